#ifndef UNITS_H
#define UNITS_H

#include <QtGlobal>

// The unit table: 33 physical quantities x 9 display units, each a scale and an
// offset (display = raw x scale + offset). Lookups outside the table count as
// the base unit {1, 0}, so a bad code from the controller never indexes past it.
namespace Units {

constexpr int QuantityCount = 33;
constexpr int UnitCount = 9;

struct Entry
{
    float scale;
    float offset;
};

// The guarded quantity code: the code itself for 0..32, -1 for anything else.
int quantity(quint32 physic);
// The guarded unit index: 0..8 as given, 0 for anything else.
quint8 unitIndex(quint32 unit);
// Unit index from a station-wide unit parameter value (a float): truncated,
// NaN and values outside 0..8 give unit 0.
quint8 unitIndexFromValue(float value);

Entry entry(quint32 physic, quint32 unit);

} // namespace Units

#endif // UNITS_H
