#ifndef SCRIPTED_TRANSPORT_H
#define SCRIPTED_TRANSPORT_H

#include "spitransport.h"

#include <QByteArray>
#include <QList>
#include <cstring>

// A transport that plays back a prepared byte stream on the read transfers
// and records every write transfer: for the frame-level tests of the driver.
class ScriptedTransport : public SpiTransport
{
public:
    bool open() override { return m_open = openable; }
    bool isOpen() const override { return m_open; }
    int transfer(const quint8* tx, quint8* rx, quint32 length, quint32 speedHz) override
    {
        if (++transfers == failTransfer)
            return failResult;
        if (speedHz == 500000) {
            writes.append(QByteArray(reinterpret_cast<const char*>(tx), int(length)));
            std::memset(rx, 0x55, length); // noise while writing: never a reply
            return int(length);
        }
        const int n = qMin(int(length), replyStream.size());
        std::memcpy(rx, replyStream.constData(), size_t(n));
        std::memset(rx + n, 0, length - quint32(n));
        replyStream.remove(0, n);
        return int(length);
    }

    QByteArray replyStream;   // the controller's side of the next reads, zeros once it runs out
    QList<QByteArray> writes; // the write transfers, in order
    int transfers = 0;
    int failTransfer = 0; // the transfer (counted from 1) that fails with failResult; 0 none
    int failResult = -1;
    bool openable = true;

private:
    bool m_open = false;
};

#endif // SCRIPTED_TRANSPORT_H
