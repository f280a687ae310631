#include "ntpclient.h"
#include "mainapplication.h"

#include <QDebug>
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
    qRegisterMetaType<QHostAddress>("QHostAddress");
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
    const QDateTime now = stationClockUtc();
    const QByteArray packet = requestPacket(now);
    // A new request supersedes the one before: only its answer is awaited.
    m_outstanding = m_socket->writeDatagram(packet, address, port) == packet.size();
    m_server = address;
    m_serverPort = port;
    m_sent = NtpTimestamp::fromDateTime(now);
    return m_outstanding;
}

bool NtpClient::acceptReply(const QHostAddress& address, quint16 port, const NtpReply& reply)
{
    const auto refuse = [](const QString& reason) {
        qWarning().noquote() << "NTP client: reply dropped," << reason;
        return false;
    };
    if (!m_outstanding)
        return refuse("no request awaits an answer");
    if (!address.isEqual(m_server, QHostAddress::ConvertV4MappedToIPv4) || port != m_serverPort) {
        bool v4 = false;
        const QHostAddress sender(address.toIPv4Address(&v4));
        return refuse(QString("sent from %1:%2, the request went to %3:%4")
                          .arg((v4 ? sender : address).toString()).arg(port).arg(m_server.toString()).arg(m_serverPort));
    }
    const NtpTimestamp origin = reply.originStamp();
    if (origin.seconds != m_sent.seconds || origin.fraction != m_sent.fraction)
        return refuse("its origin timestamp is not the request's transmit timestamp");
    // From here on the reply answers the request.
    m_outstanding = false;
    if (reply.mode() != 4)
        return refuse(QString("mode %1 is not a server's answer").arg(reply.mode()));
    if (reply.leapIndicator() == 3)
        return refuse("the server's clock is not synchronised (leap indicator 3)");
    if (reply.stratum() < 1 || reply.stratum() > 15)
        return refuse(QString("stratum %1 is outside 1-15").arg(reply.stratum()));
    const NtpTimestamp transmit = reply.transmitStamp();
    if (transmit.seconds == 0 && transmit.fraction == 0)
        return refuse("its transmit timestamp is 0");
    return true;
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
