#ifndef PARAMETERDEF_H
#define PARAMETERDEF_H

#include <QString>
#include <QtGlobal>
#include <atomic>

// One controller parameter as the store mirrors it. The fields fixed by the
// database (id, access, operation, mask, discret) never change after loading.
// The fields the controller reports are atomic words, because the service,
// console and SCADA threads read them while the GUI thread stores; so is the
// display unit (unitOut): loaded from the database, it is changed afterwards
// in the GUI thread (the scale ends of an analog output take their source's
// unit) while other threads convert with it.
struct ParameterDef
{
    static constexpr quint32 InvalidValue = 0xFFFFFFFFu;

    quint16 id = 0;
    quint8 access = 0;
    quint8 operation = 0;
    std::atomic<quint32> physic{0};
    std::atomic<float> min{0.0f};
    std::atomic<float> max{999999.0f};
    std::atomic<quint8> validity{0};
    std::atomic<quint8> unitOut{0};
    std::atomic<quint32> value{InvalidValue};
    QString mask;
    int discret = 1;

    // The value as a float, whatever the raw word holds.
    float valueFloat() const;
    // The scale of the resolution (10^decimals), at least 1.
    unsigned int scale() const { return discret > 1 ? static_cast<unsigned int>(discret) : 1u; }
    // Physical-quantity code as used by the unit tables: the low byte only.
    quint8 physicCode() const { return static_cast<quint8>(physic.load() & 0xFFu); }

    // Validity rule for a raw word: 0xFFFFFFFF is never valid; a NaN only for a
    // date-time parameter (physic 1), whose value is a count of seconds.
    static bool isValidRaw(quint32 raw, quint32 physic);
};

static_assert(std::atomic<float>::is_always_lock_free, "value words must be lock-free");
static_assert(std::atomic<quint32>::is_always_lock_free, "value words must be lock-free");
static_assert(std::atomic<quint8>::is_always_lock_free, "value words must be lock-free");

#endif // PARAMETERDEF_H
