#ifndef NTPREPLY_H
#define NTPREPLY_H

#include <QByteArray>
#include <QDateTime>
#include <QMetaType>
#include <QSharedDataPointer>

// An NTP timestamp: seconds since 1900 and a fraction in units of 2^-32 s.
struct NtpTimestamp
{
    quint32 seconds = 0;
    quint32 fraction = 0;

    static QDateTime toDateTime(const NtpTimestamp& stamp);
    static NtpTimestamp fromDateTime(const QDateTime& moment);
    // Milliseconds since 1970 of a stamp.
    static qint64 toMsecs(const NtpTimestamp& stamp);
};

class NtpReplyPrivate;

// One answer of an NTP server with the moment it arrived; implicitly shared.
class NtpReply
{
public:
    static constexpr int PacketSize = 48;
    static constexpr int MaxPacketSize = 68;

    NtpReply();
    NtpReply(const QByteArray& packet, const QDateTime& destination);
    NtpReply(const NtpReply& other);
    ~NtpReply();
    NtpReply& operator=(const NtpReply& other);

    int leapIndicator() const;
    int versionNumber() const;
    int mode() const;
    int stratum() const;
    double pollInterval() const;
    double precision() const;
    QDateTime referenceTime() const;
    QDateTime originTime() const;
    QDateTime receiveTime() const;
    QDateTime transmitTime() const;
    QDateTime destinationTime() const;
    qint64 roundTripDelay() const;
    qint64 localClockOffset() const;
    bool isNull() const;
    // The origin and transmit timestamps as sent, all 64 bits.
    NtpTimestamp originStamp() const { return stampAt(24); }
    NtpTimestamp transmitStamp() const { return stampAt(40); }

private:
    NtpTimestamp stampAt(int offset) const;
    qint64 msecsAt(int offset) const;
    QSharedDataPointer<NtpReplyPrivate> d;
};

Q_DECLARE_METATYPE(NtpReply)

#endif // NTPREPLY_H
