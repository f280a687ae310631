#ifndef STORE_DRIVER_H
#define STORE_DRIVER_H

#include "parameters.h"
#include "rawbits.h"

#include <QCoreApplication>

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
};

#endif // STORE_DRIVER_H
