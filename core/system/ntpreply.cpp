#include "ntpreply.h"

#include <QSharedData>
#include <cmath>

namespace {
// Milliseconds between 1900-01-01 and 1970-01-01.
constexpr qint64 EpochOffsetMs = 2208988800000LL;
} // namespace

class NtpReplyPrivate : public QSharedData
{
public:
    quint8 packet[NtpReply::MaxPacketSize] = {};
    QDateTime destination;
};

qint64 NtpTimestamp::toMsecs(const NtpTimestamp& stamp)
{
    return static_cast<qint64>(stamp.seconds) * 1000
           + static_cast<qint64>((static_cast<quint64>(stamp.fraction) * 1000) >> 32) - EpochOffsetMs;
}

QDateTime NtpTimestamp::toDateTime(const NtpTimestamp& stamp)
{
    return QDateTime::fromMSecsSinceEpoch(toMsecs(stamp), Qt::UTC);
}

NtpTimestamp NtpTimestamp::fromDateTime(const QDateTime& moment)
{
    const qint64 ms = moment.toMSecsSinceEpoch() + EpochOffsetMs;
    NtpTimestamp stamp;
    stamp.seconds = static_cast<quint32>(ms / 1000);
    stamp.fraction = static_cast<quint32>((static_cast<quint64>(ms % 1000) << 32) / 1000);
    return stamp;
}

NtpReply::NtpReply()
    : d(new NtpReplyPrivate)
{
}

NtpReply::NtpReply(const QByteArray& packet, const QDateTime& destination)
    : d(new NtpReplyPrivate)
{
    const int n = qMin(packet.size(), MaxPacketSize);
    for (int i = 0; i < n; ++i)
        d->packet[i] = static_cast<quint8>(packet.at(i));
    d->destination = destination;
}

NtpReply::NtpReply(const NtpReply& other) = default;
NtpReply::~NtpReply() = default;
NtpReply& NtpReply::operator=(const NtpReply& other) = default;

int NtpReply::leapIndicator() const { return (d->packet[0] >> 6) & 0x3; }
int NtpReply::versionNumber() const { return (d->packet[0] >> 3) & 0x7; }
int NtpReply::mode() const { return d->packet[0] & 0x7; }
int NtpReply::stratum() const { return d->packet[1]; }
double NtpReply::pollInterval() const { return std::pow(2.0, static_cast<qint8>(d->packet[2])); }
double NtpReply::precision() const { return std::pow(2.0, static_cast<qint8>(d->packet[3])); }

NtpTimestamp NtpReply::stampAt(int offset) const
{
    const quint8* p = d->packet + offset;
    NtpTimestamp stamp;
    stamp.seconds = (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
    stamp.fraction = (quint32(p[4]) << 24) | (quint32(p[5]) << 16) | (quint32(p[6]) << 8) | quint32(p[7]);
    return stamp;
}

qint64 NtpReply::msecsAt(int offset) const
{
    return NtpTimestamp::toMsecs(stampAt(offset));
}

QDateTime NtpReply::referenceTime() const { return NtpTimestamp::toDateTime(stampAt(16)); }
QDateTime NtpReply::originTime() const { return NtpTimestamp::toDateTime(stampAt(24)); }
QDateTime NtpReply::receiveTime() const { return NtpTimestamp::toDateTime(stampAt(32)); }
QDateTime NtpReply::transmitTime() const { return NtpTimestamp::toDateTime(stampAt(40)); }
QDateTime NtpReply::destinationTime() const { return d->destination; }

qint64 NtpReply::roundTripDelay() const
{
    const qint64 t4 = d->destination.toMSecsSinceEpoch();
    return (t4 - msecsAt(24)) - (msecsAt(40) - msecsAt(32));
}

qint64 NtpReply::localClockOffset() const
{
    const qint64 t4 = d->destination.toMSecsSinceEpoch();
    return ((msecsAt(32) - msecsAt(24)) + (msecsAt(40) - t4)) / 2;
}

bool NtpReply::isNull() const
{
    return d->destination.isNull();
}
