// Feeds arbitrary datagrams to the NTP reply and to the client's check of a
// reply: every field and the offset arithmetic stay defined whatever the
// timestamps, and only a reply that echoes the request's transmit timestamp
// from the server asked can ever be accepted.
#include "ntpclient.h"
#include "ntpreply.h"

#include <QCoreApplication>
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
    NtpClient client{QHostAddress(QHostAddress::LocalHost), 0};
    Client() { qInstallMessageHandler(quiet); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Client station;
    if (size < 8)
        return 0;
    // The first 8 bytes are the destination time in ms since 1970; the rest is the datagram.
    qint64 destination = 0;
    for (int i = 0; i < 8; ++i)
        destination = (destination << 8) | data[i];
    const QByteArray datagram(reinterpret_cast<const char*>(data + 8), int(size - 8));
    const NtpReply reply(datagram, QDateTime::fromMSecsSinceEpoch(destination % (400LL * 365 * 86400000), Qt::UTC));
    check(!reply.isNull());
    check(reply.leapIndicator() <= 3 && reply.versionNumber() <= 7 && reply.mode() <= 7 && reply.stratum() <= 255);
    check(reply.pollInterval() > 0 && reply.precision() > 0);
    (void)reply.localClockOffset();
    (void)reply.roundTripDelay();
    (void)reply.referenceTime();
    (void)reply.transmitTime();

    // Asked from 127.0.0.1:123, the reply (sent from there) passes only when
    // its origin is the request's transmit timestamp.
    check(station.client.sendRequest(QHostAddress(QHostAddress::LocalHost), 123));
    const bool accepted = station.client.acceptReply(QHostAddress(QHostAddress::LocalHost), 123, reply);
    check(!accepted || (datagram.size() >= 48 && reply.mode() == 4 && reply.stratum() >= 1 && reply.stratum() <= 15));
    check(!station.client.acceptReply(QHostAddress(QHostAddress::LocalHost), 123, reply)); // answered once
    return 0;
}
