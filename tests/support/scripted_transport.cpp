#include "scripted_transport.h"

#include <cstring>

int ScriptedTransport::transfer(const quint8* tx, quint8* rx, quint32 length, quint32 speedHz)
{
    ++transfers;
    if (failTransfer == transfers)
        return failResult;
    if (speedHz == 500000) {
        writes.append(QByteArray(reinterpret_cast<const char*>(tx), static_cast<int>(length)));
        std::memset(rx, 0x55, length); // noise while writing: never a reply
        if (!replyPerWrite.isEmpty())
            replyStream = replyPerWrite;
        return static_cast<int>(length);
    }
    const int n = qMin(static_cast<int>(length), replyStream.size());
    std::memcpy(rx, replyStream.constData(), static_cast<size_t>(n));
    std::memset(rx + n, 0, length - static_cast<quint32>(n));
    replyStream.remove(0, n);
    return static_cast<int>(length);
}
