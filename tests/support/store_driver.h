#ifndef STORE_DRIVER_H
#define STORE_DRIVER_H

#include "parameterdef.h"
#include "parameters.h"
#include "rawbits.h"

#include <QCoreApplication>
#include <QStringList>

// Plays the controller's reports into a store, as the SPI link would, and
// lets the queued receivers (the settings applier) act on them.
struct StoreDriver
{
    Parameters* store;

    void report(quint16 id, float value, quint8 kind = Parameters::KindValue)
    {
        store->slotParamUpdated(id, bitsFromFloat(value), kind);
        QCoreApplication::processEvents();
    }
    void reportRaw(quint16 id, quint32 raw, quint8 kind = Parameters::KindValue)
    {
        store->slotParamUpdated(id, raw, kind);
        QCoreApplication::processEvents();
    }
    // Several reports, "id=value" separated by spaces, in order: "id:min=" and
    // "id:max=" report a limit, a value "nan" the controller's invalid value,
    // a value "0x..." raw bits.
    void reportAll(const QString& reports)
    {
        const QStringList items = reports.split(QLatin1Char(' '));
        for (const QString& item : items) {
            if (item.isEmpty())
                continue;
            const QString key = item.section(QLatin1Char('='), 0, 0);
            const QString value = item.section(QLatin1Char('='), 1);
            const quint16 id = static_cast<quint16>(key.section(QLatin1Char(':'), 0, 0).toUInt());
            const QString kindName = key.section(QLatin1Char(':'), 1);
            const quint8 kind = kindName == QLatin1String("min")   ? quint8(Parameters::KindMin)
                                : kindName == QLatin1String("max") ? quint8(Parameters::KindMax)
                                                                   : quint8(Parameters::KindValue);
            if (value == QLatin1String("nan"))
                reportRaw(id, ParameterDef::InvalidValue, kind);
            else if (value.startsWith(QLatin1String("0x")))
                reportRaw(id, value.mid(2).toUInt(nullptr, 16), kind);
            else
                report(id, value.toFloat(), kind);
        }
    }
};

#endif // STORE_DRIVER_H
