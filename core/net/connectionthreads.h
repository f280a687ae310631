#ifndef CONNECTIONTHREADS_H
#define CONNECTIONTHREADS_H

#include "log_throttle.h"

#include <QList>
#include <QPointer>
#include <QThread>

// The threads of one server's connections: caps how many run at once and
// stops them all, waiting for each, before the server (and the store the
// connections read) goes away.
class ConnectionThreads
{
public:
    // Fills the descriptors kept for starting threads, so that they are
    // there before a flood of clients is.
    explicit ConnectionThreads(int maxConnections);

    int maxConnections() const { return m_max; }
    int count() const;
    // True when the connection may have a thread: there is room, the
    // descriptors kept for starting a thread are there, and one more is free
    // for its event loop. Otherwise the handle is closed (the client sees it
    // closed at once) and the refusal logged now and then: refusedLine has
    // %1 for the handle and %2 for the reason.
    bool admit(qintptr handle, const QString& refusedLine);
    // Refuses a connection handle: the client sees it closed at once.
    static void refuse(qintptr handle);
    // Starts the thread of a connection just admitted, with low priority,
    // over the kept descriptors (ThreadStartReserve), and counts it. When the
    // system makes no thread (at the process's limit of threads, say), the
    // client is refused as admit() refuses one, and the connection object
    // (moved to the thread, never run there) and the thread are deleted:
    // false then.
    bool start(QThread* thread, QObject* connection, qintptr handle, const QString& refusedLine);
    void stopAll();

private:
    // True when one more connection may run; forgets the threads that ended.
    bool hasRoom();
    // True when a descriptor is free beside the kept ones, for the new
    // thread's event loop: a connection that took the last free descriptor
    // is refused rather than given a thread that would eat into them.
    static bool canStartThread();
    // Reasons for a refusal, each logged now and then on its own.
    enum Refusal { RefusedAtAdmission, RefusedAtStart };
    // Closes the handle, and logs the refusal now and then.
    void refuseWithLine(qintptr handle, const QString& refusedLine, Refusal kind, const QString& reason);

    int m_max;
    QList<QPointer<QThread>> m_threads;
    LogThrottle m_refusals;
};

#endif // CONNECTIONTHREADS_H
