// Feeds arbitrary datagrams to the NTP reply and to the client's check of a
// reply: every field and the offset arithmetic stay defined whatever the
// timestamps, and a reply from the server asked is accepted exactly when it
// echoes all 64 bits of the request's transmit timestamp and is a
// synchronised server's answer.
#include "ntpclient.h"
#include "ntpreply.h"

#include <QCoreApplication>
#include <QUdpSocket>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

struct Client
{
    int argc = 1;
    char name[8] = "fuzz";
    char* argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
    NtpClient client{[] { return QDateTime::currentDateTimeUtc(); }, QHostAddress(QHostAddress::LocalHost), 0};
    // Where the requests go: a socket of our own, never read.
    QUdpSocket server;
    Client()
    {
        qInstallMessageHandler(quiet);
        server.bind(QHostAddress(QHostAddress::LocalHost), 0);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Client station;
    if (size < 9)
        return 0;
    // Byte 0: bit 0 makes the reply echo the request as its origin. Bytes
    // 1-8: the destination time in ms since 1970. The rest: the datagram.
    const bool echo = data[0] & 1;
    qint64 destination = 0;
    for (int i = 1; i < 9; ++i)
        destination = (destination << 8) | data[i];
    QByteArray datagram(reinterpret_cast<const char*>(data + 9), int(size - 9));

    const QHostAddress server(QHostAddress::LocalHost);
    const quint16 port = station.server.localPort();
    check(station.client.sendRequest(server, port));
    QByteArray request(NtpReply::MaxPacketSize, '\0');
    check(station.server.hasPendingDatagrams() || station.server.waitForReadyRead(1000));
    check(station.server.readDatagram(request.data(), request.size()) == NtpReply::PacketSize);
    const QByteArray sent = request.mid(40, 8);
    if (echo && datagram.size() >= 32)
        datagram.replace(24, 8, sent);

    const NtpReply reply(datagram, QDateTime::fromMSecsSinceEpoch(destination % (400LL * 365 * 86400000), Qt::UTC));
    check(!reply.isNull());
    check(reply.leapIndicator() <= 3 && reply.versionNumber() <= 7 && reply.mode() <= 7 && reply.stratum() <= 255);
    check(reply.pollInterval() > 0 && reply.precision() > 0);
    (void)reply.localClockOffset();
    (void)reply.roundTripDelay();
    (void)reply.referenceTime();
    (void)reply.transmitTime();

    // The client hands on only datagrams of a whole packet. From the server
    // asked, such a reply passes exactly when it echoes all 64 bits sent and
    // is a synchronised server's answer; and only once.
    if (datagram.size() < NtpReply::PacketSize)
        return 0;
    const bool usable = datagram.mid(24, 8) == sent && reply.mode() == 4
                        && reply.leapIndicator() != 3 && reply.stratum() >= 1 && reply.stratum() <= 15
                        && datagram.mid(40, 8) != QByteArray(8, '\0');
    check(station.client.acceptReply(server, port, reply) == usable);
    check(!station.client.acceptReply(server, port, reply));
    return 0;
}
