#include "units.h"
#include "saturate.h"

namespace {

constexpr Units::Entry I = {1.0f, 0.0f};

// Rows by physical-quantity code, columns by unit index. The numbers are the
// station's own (peers convert with the same factors), single precision.
const Units::Entry units[Units::QuantityCount][Units::UnitCount] = {
    /*  0 dimensionless */ {I, I, I, I, I, I, I, I, I},
    /*  1 date-time     */ {I, I, I, I, I, I, I, I, I},
    /*  2 time          */ {I, {1000000.0f, 0.0f}, {1000.0f, 0.0f}, {1000.0f, 0.0f}, {0.016666668f, 0.0f},
                            {1.0f, 0.0f}, {0.00027777778f, 0.0f}, {0.016666668f, 0.0f}, {1.0f, 0.0f}},
    /*  3 percent       */ {I, I, I, I, I, I, I, I, I},
    /*  4 length        */ {I, {0.006214f, 0.0f}, {0.3048f, 0.0f}, {1000.0f, 0.0f}, I, I, I, I, I},
    /*  5 density       */ {I, I, I, I, I, I, I, I, I},
    /*  6 area          */ {I, I, I, I, I, I, I, I, I},
    /*  7 frequency     */ {I, {0.001f, 0.0f}, I, I, I, I, I, I, I},
    /*  8 voltage       */ {I, {0.001f, 0.0f}, I, I, I, I, I, I, I},
    /*  9 current       */ {I, {1000.0f, 0.0f}, I, I, I, I, I, I, I},
    /* 10 active power  */ {I, {0.001f, 0.0f}, I, I, I, I, I, I, I},
    /* 11 full power    */ {I, {0.001f, 0.0f}, I, I, I, I, I, I, I},
    /* 12 reactive power*/ {I, {0.001f, 0.0f}, I, I, I, I, I, I, I},
    /* 13 phase angle   */ {I, I, I, I, I, I, I, I, I},
    /* 14 rotation      */ {I, I, I, I, I, I, I, I, I},
    /* 15 rate          */ {I, {3600.0f, 0.0f}, I, I, I, I, I, I, I},
    /* 16 resistance    */ {I, {0.001f, 0.0f}, {0.000001f, 0.0f}, {1000.0f, 0.0f}, I, I, I, I, I},
    /* 17 cable resist. */ {I, I, I, I, I, I, I, I, I},
    /* 18 pressure      */ {I, {9.8692f, 0.0f}, {10.197f, 0.0f}, {10.0f, 0.0f}, {145.04f, 0.0f},
                            {1000.0f, 0.0f}, I, I, I},
    /* 19 temperature   */ {I, {1.8f, 32.0f}, I, I, I, I, I, I, I},
    /* 20 acceleration  */ {I, {9.80665f, 0.0f}, {9806.65f, 0.0f}, I, I, I, I, I, I},
    /* 21 speed         */ {I, {1000.0f, 0.0f}, I, I, I, I, I, I, I},
    /* 22 viscosity     */ {I, I, I, I, I, I, I, I, I},
    /* 23 flow          */ {I, {0.0417f, 0.0f}, {6.289783f, 0.0f}, {0.26208332f, 0.0f}, I, I, I, I, I},
    /* 24 power         */ {I, {0.001f, 0.0f}, {0.00135962f, 0.0f}, I, I, I, I, I, I},
    /* 25 active energy */ {I, I, I, I, I, I, I, I, I},
    /* 26 react. energy */ {I, I, I, I, I, I, I, I, I},
    /* 27 full energy   */ {I, I, I, I, I, I, I, I, I},
    /* 28 torque        */ {I, I, I, I, I, I, I, I, I},
    /* 29 inductance    */ {I, {1000.0f, 0.0f}, I, I, I, I, I, I, I},
    /* 30 capacitance   */ {I, I, I, I, I, I, I, I, I},
    /* 31 back-EMF      */ {I, I, I, I, I, I, I, I, I},
    /* 32 motor power   */ {I, {0.001f, 0.0f}, {0.00135962f, 0.0f}, I, I, I, I, I, I},
};

} // namespace

int Units::quantity(quint32 physic)
{
    return physic < static_cast<quint32>(QuantityCount) ? static_cast<int>(physic) : -1;
}

quint8 Units::unitIndex(quint32 unit)
{
    return unit < static_cast<quint32>(UnitCount) ? static_cast<quint8>(unit) : 0;
}

quint8 Units::unitIndexFromValue(float value)
{
    return unitIndex(saturatingUInt(value));
}

Units::Entry Units::entry(quint32 physic, quint32 unit)
{
    const int q = quantity(physic);
    if (q < 0)
        return I;
    return units[q][unitIndex(unit)];
}
