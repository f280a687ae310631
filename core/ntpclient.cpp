#include "ntpclient.h"
#include "mainapplication.h"

#include <QUdpSocket>

NtpClient::NtpClient(QObject* parent)
    : QObject(parent)
{
    init(QHostAddress::Any, 0);
}

NtpClient::NtpClient(const QHostAddress& bindAddress, quint16 bindPort, QObject* parent)
    : QObject(parent)
{
    init(bindAddress, bindPort);
}

void NtpClient::init(const QHostAddress& bindAddress, quint16 bindPort)
{
    qRegisterMetaType<NtpReply>("NtpReply");
    m_socket = new QUdpSocket(this);
    m_socket->bind(bindAddress, bindPort);
    connect(m_socket, &QUdpSocket::readyRead, this, &NtpClient::readPendingDatagrams);
}

QDateTime NtpClient::stationClockUtc()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->currentDateTimeUtc() : QDateTime::currentDateTimeUtc();
}

QByteArray NtpClient::requestPacket(const QDateTime& utcNow)
{
    QByteArray packet(NtpReply::PacketSize, '\0');
    packet[0] = 0x23; // leap indicator 0, version 4, mode 3 (client)
    const NtpTimestamp stamp = NtpTimestamp::fromDateTime(utcNow);
    for (int i = 0; i < 4; ++i) {
        packet[40 + i] = static_cast<char>((stamp.seconds >> (24 - 8 * i)) & 0xFF);
        packet[44 + i] = static_cast<char>((stamp.fraction >> (24 - 8 * i)) & 0xFF);
    }
    return packet;
}

bool NtpClient::sendRequest(const QHostAddress& address, quint16 port)
{
    if (m_socket->state() != QAbstractSocket::BoundState)
        return false;
    const QByteArray packet = requestPacket(stationClockUtc());
    return m_socket->writeDatagram(packet, address, port) == packet.size();
}

void NtpClient::readPendingDatagrams()
{
    while (m_socket->hasPendingDatagrams()) {
        QByteArray packet(NtpReply::MaxPacketSize, '\0');
        QHostAddress sender;
        quint16 port = 0;
        const qint64 n = m_socket->readDatagram(packet.data(), packet.size(), &sender, &port);
        if (n < NtpReply::PacketSize)
            continue;
        packet.truncate(static_cast<int>(n));
        emit replyReceived(sender, port, NtpReply(packet, stationClockUtc()));
    }
}
