#ifndef NTPCLIENT_H
#define NTPCLIENT_H

#include "log_throttle.h"
#include "ntpreply.h"

#include <QDateTime>
#include <QHostAddress>
#include <QObject>
#include <functional>

class QUdpSocket;

// Sends SNTP client requests and hands every answer on.
class NtpClient : public QObject
{
    Q_OBJECT
public:
    // The station clock in UTC, which stamps each request and each answer's
    // arrival; given by whoever makes the client, and callable for its life.
    using Clock = std::function<QDateTime()>;

    explicit NtpClient(Clock clock, QObject* parent = nullptr);
    NtpClient(Clock clock, const QHostAddress& bindAddress, quint16 bindPort, QObject* parent = nullptr);

    bool sendRequest(const QHostAddress& address, quint16 port);
    // Random bits added to a request's transmit fraction: below 2^22, less
    // than a millisecond.
    static constexpr quint32 NoiseLimit = 1u << 22;

    // The request as sent for a station clock (UTC), noise (below NoiseLimit)
    // added to its transmit fraction.
    static QByteArray requestPacket(const QDateTime& utcNow, quint32 noise = 0);
    // Fresh random bits for one request, below NoiseLimit.
    static quint32 requestNoise();

    // Whether a reply may set the station clock: it comes from the address and
    // port the outstanding request went to, echoes that request's transmit
    // timestamp as its origin, and is a synchronised server's answer (mode 4,
    // leap indicator not 3, stratum 1-15, a transmit timestamp). Anything else
    // is refused, and logged with its reason as every drop is. A reply that
    // echoes the request answers it, usable or not: a second reply to it is
    // refused.
    bool acceptReply(const QHostAddress& address, quint16 port, const NtpReply& reply);

    // The port is open on every interface, so any host can send to it: each
    // kind of drop is logged the first time, then at most once per interval
    // with the count of the drops not logged.
    static constexpr qint64 DropLogIntervalMs = LogThrottle::DefaultIntervalMs;
    // The clock that interval is measured on (milliseconds, only forward).
    void setDropLogClock(std::function<qint64()> clock) { m_dropLog.setClock(std::move(clock)); }

public slots:
    void readPendingDatagrams();

signals:
    void replyReceived(QHostAddress address, quint16 port, NtpReply reply);

private:
    enum DropKind { DropUnreadable, DropShort, DropUnasked, DropSender, DropOrigin, DropUnusable };

    void logDrop(DropKind kind, const QString& reason);
    Clock m_clock;
    QUdpSocket* m_socket = nullptr;
    // The request awaiting its answer: where it went and its transmit time.
    bool m_outstanding = false;
    QHostAddress m_server;
    quint16 m_serverPort = 0;
    NtpTimestamp m_sent;
    LogThrottle m_dropLog{DropLogIntervalMs};
};

#endif // NTPCLIENT_H
