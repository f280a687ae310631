#ifndef SCRIPTED_TRANSPORT_H
#define SCRIPTED_TRANSPORT_H

#include "spitransport.h"

#include <QByteArray>
#include <QList>

// A transport that plays back a prepared byte stream on the read transfers
// and records every write transfer: for the frame-level tests of the driver.
class ScriptedTransport : public SpiTransport
{
public:
    bool open() override { return m_open = m_openable; }
    bool isOpen() const override { return m_open; }
    int transfer(const quint8* tx, quint8* rx, quint32 length, quint32 speedHz) override;

    // The controller's side of the next reads (zeros once it runs out).
    QByteArray replyStream;
    // When set, the controller's side after every write transfer.
    QByteArray replyPerWrite;
    // Write transfers seen, in order.
    QList<QByteArray> writes;
    int transfers = 0;
    // Transfer number (1-based) that fails with this result; 0 never.
    int failTransfer = 0;
    int failResult = -1;
    bool m_openable = true;

private:
    bool m_open = false;
};

#endif // SCRIPTED_TRANSPORT_H
