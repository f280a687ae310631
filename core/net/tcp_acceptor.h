#ifndef TCP_ACCEPTOR_H
#define TCP_ACCEPTOR_H

#include "log_throttle.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QSocketNotifier;
class QTcpServer;

// Accepts the connections of a listening QTcpServer in its place. Qt's own
// accepting fails the station once descriptors run out (a flood of clients
// against the board's limit of 1,024 open files): after an error it takes as
// lasting it stops accepting for good, and once any accept has found no
// client waiting it takes every later error as passing and tries again at
// once, keeping its thread busy for as long as the shortage lasts. This one
// logs the failure once, tries again a second later until a connection is
// accepted, and logs that too.
class TcpAcceptor : public QObject
{
    Q_OBJECT
public:
    static constexpr int RetryMs = 1000;
    // Connections taken per wake-up, so that a flood cannot hold the thread.
    static constexpr int MaxBatch = 32;
    using Handler = std::function<void(qintptr descriptor)>;

    // A child of the server; the handler takes each accepted descriptor. The
    // prefixes begin the failure and the recovery lines ("SCADA:", "[E] CS:"...).
    TcpAcceptor(QTcpServer* server, Handler handler, const QString& failurePrefix, const QString& recoveryPrefix);

    // Once the server listens: Qt's accepting is paused, this one takes over.
    void start();
    // Before the server closes its socket.
    void stop();

signals:
    // An accept failed (the errno), for want of descriptors or memory or by
    // a fault of the listening socket; the next try comes RetryMs later.
    void signalAcceptFailed(int error);

private slots:
    void slotReadable();
    void slotRetry();

private:
    // Gives the handler an accepted connection.
    void handOver(int descriptor);
    void fail(int error);
    void accepted();
    static bool isShortage(int error);

    enum Failure { FailureNone, FailureShortage, FailureSocket };

    QTcpServer* m_server;
    Handler m_handler;
    QString m_failurePrefix;
    QString m_recoveryPrefix;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_retry;
    LogThrottle m_log;
    int m_failing = FailureNone; // how the accepts fail since the last one that worked
    bool m_logged = false;       // that failure was logged, so its end is too
    int m_failures = 0;
};

#endif // TCP_ACCEPTOR_H
