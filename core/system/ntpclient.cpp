#include "ntpclient.h"

#include <QDateTime>
#include <QDebug>
#include <QUdpSocket>
#include <QtEndian>
#include <random>

namespace {

// "address:port", a v4-mapped address shown as IPv4.
QString senderText(const QHostAddress& address, quint16 port)
{
    bool v4 = false;
    const QHostAddress ipv4(address.toIPv4Address(&v4));
    return QString("%1:%2").arg((v4 ? ipv4 : address).toString()).arg(port);
}

} // namespace

NtpClient::NtpClient(Clock clock, QObject* parent)
    : NtpClient(std::move(clock), QHostAddress::Any, 0, parent)
{
}

NtpClient::NtpClient(Clock clock, const QHostAddress& bindAddress, quint16 bindPort, QObject* parent)
    : QObject(parent)
    , m_clock(std::move(clock))
{
    qRegisterMetaType<NtpReply>("NtpReply");
    qRegisterMetaType<QHostAddress>("QHostAddress");
    m_socket = new QUdpSocket(this);
    m_socket->bind(bindAddress, bindPort);
    connect(m_socket, &QUdpSocket::readyRead, this, &NtpClient::readPendingDatagrams);
}

quint32 NtpClient::requestNoise()
{
    // The station clock has whole seconds, so without these bits the origin
    // check would hold only the current second: a forger off the path would
    // just have to guess it.
    try {
        std::random_device device;
        return static_cast<quint32>(device()) % NoiseLimit;
    } catch (const std::exception&) {
        static std::mt19937 fallback(static_cast<std::mt19937::result_type>(
            QDateTime::currentMSecsSinceEpoch() ^ reinterpret_cast<quintptr>(&fallback)));
        return static_cast<quint32>(fallback()) % NoiseLimit;
    }
}

QByteArray NtpClient::requestPacket(const QDateTime& utcNow, quint32 noise)
{
    // Built in an array of its own size, whose bounds the compiler can see
    // (through a QByteArray's data an optimised build warns of an overflow
    // that is not there).
    uchar packet[NtpReply::PacketSize] = {};
    packet[0] = 0x23; // leap indicator 0, version 4, mode 3 (client)
    const NtpTimestamp stamp = NtpTimestamp::fromDateTime(utcNow);
    // At most 999 ms of fraction plus less than 1/1024 s: never a carry.
    const quint32 fraction = stamp.fraction + noise % NoiseLimit;
    qToBigEndian(stamp.seconds, packet + 40);
    qToBigEndian(fraction, packet + 44);
    return QByteArray(reinterpret_cast<const char*>(packet), int(sizeof packet));
}

bool NtpClient::sendRequest(const QHostAddress& address, quint16 port)
{
    if (m_socket->state() != QAbstractSocket::BoundState)
        return false;
    const QByteArray packet = requestPacket(m_clock(), requestNoise());
    // A new request supersedes the one before: only its answer is awaited,
    // and its origin must echo all 64 bits that were sent.
    m_outstanding = m_socket->writeDatagram(packet, address, port) == packet.size();
    m_server = address;
    m_serverPort = port;
    const uchar* sent = reinterpret_cast<const uchar*>(packet.constData()) + 40;
    m_sent.seconds = qFromBigEndian<quint32>(sent);
    m_sent.fraction = qFromBigEndian<quint32>(sent + 4);
    return m_outstanding;
}

void NtpClient::logDrop(DropKind kind, const QString& reason)
{
    quint64 held = 0;
    if (m_dropLog.pass(kind, &held))
        qWarning().noquote() << "NTP client: reply dropped," << reason + LogThrottle::heldText(held);
}

bool NtpClient::acceptReply(const QHostAddress& address, quint16 port, const NtpReply& reply)
{
    const auto refuse = [this](DropKind kind, const QString& reason) {
        logDrop(kind, reason);
        return false;
    };
    if (!m_outstanding)
        return refuse(DropUnasked, "no request awaits an answer");
    if (!address.isEqual(m_server, QHostAddress::ConvertV4MappedToIPv4) || port != m_serverPort)
        return refuse(DropSender, QString("sent from %1, the request went to %2")
                                      .arg(senderText(address, port), senderText(m_server, m_serverPort)));
    const NtpTimestamp origin = reply.originStamp();
    if (origin.seconds != m_sent.seconds || origin.fraction != m_sent.fraction)
        return refuse(DropOrigin, "its origin timestamp is not the request's transmit timestamp");
    // From here on the reply answers the request.
    m_outstanding = false;
    if (reply.mode() != 4)
        return refuse(DropUnusable, QString("mode %1 is not a server's answer").arg(reply.mode()));
    if (reply.leapIndicator() == 3)
        return refuse(DropUnusable, "the server's clock is not synchronised (leap indicator 3)");
    if (reply.stratum() < 1 || reply.stratum() > 15)
        return refuse(DropUnusable, QString("stratum %1 is outside 1-15").arg(reply.stratum()));
    const NtpTimestamp transmit = reply.transmitStamp();
    if (transmit.seconds == 0 && transmit.fraction == 0)
        return refuse(DropUnusable, "its transmit timestamp is 0");
    return true;
}

void NtpClient::readPendingDatagrams()
{
    while (m_socket->hasPendingDatagrams()) {
        QByteArray packet(NtpReply::MaxPacketSize, '\0');
        QHostAddress sender;
        quint16 port = 0;
        const qint64 n = m_socket->readDatagram(packet.data(), packet.size(), &sender, &port);
        if (n < 0) {
            logDrop(DropUnreadable, "the datagram could not be read: " + m_socket->errorString());
            break;
        }
        if (n < NtpReply::PacketSize) {
            logDrop(DropShort, QString("a datagram of %1 bytes from %2 is shorter than %3 bytes")
                                   .arg(n).arg(senderText(sender, port)).arg(NtpReply::PacketSize));
            continue;
        }
        packet.truncate(static_cast<int>(n));
        emit replyReceived(sender, port, NtpReply(packet, m_clock()));
    }
}
