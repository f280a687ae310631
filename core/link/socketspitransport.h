#ifndef SOCKETSPITRANSPORT_H
#define SOCKETSPITRANSPORT_H

#include "spitransport.h"

#include <QByteArray>
#include <QString>

// The SPI link through the controller emulator: a Unix-domain SOCK_SEQPACKET
// socket carrying one message per full-duplex transfer. The program sends
// {u32 speed in Hz, u32 length, length bytes} (little-endian) and receives
// exactly length bytes in one message. Calls block the calling thread, as the
// spidev ioctl does; a receive time-out keeps a hung emulator from blocking it
// for good. Any failure closes the socket so the next open() reconnects.
class SocketSpiTransport : public SpiTransport
{
public:
    explicit SocketSpiTransport(const QString& path);
    ~SocketSpiTransport() override;

    bool open() override;
    bool isOpen() const override { return m_fd >= 0; }
    int transfer(const quint8* tx, quint8* rx, quint32 length, quint32 speedHz) override;

    void close();

    // Largest transfer one message may carry.
    static constexpr quint32 MaxTransfer = 65536;
    // How long a transfer waits for the emulator's answer.
    static constexpr int ReplyTimeoutMs = 2000;

private:
    QByteArray m_path;
    int m_fd = -1;
    QByteArray m_message;
};

#endif // SOCKETSPITRANSPORT_H
