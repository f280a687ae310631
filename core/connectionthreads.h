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
    explicit ConnectionThreads(int maxConnections)
        : m_max(maxConnections)
    {
    }

    int maxConnections() const { return m_max; }
    int count() const;
    // True when the connection may have a thread: there is room, and the
    // descriptors its event loop needs. Otherwise the handle is closed (the
    // client sees it closed at once) and the refusal logged now and then:
    // refusedLine has %1 for the handle and %2 for the reason.
    bool admit(qintptr handle, const QString& refusedLine);
    // Refuses a connection handle: the client sees it closed at once.
    static void refuse(qintptr handle);
    void add(QThread* thread) { m_threads.append(thread); }
    void stopAll();

private:
    // True when one more connection may run; forgets the threads that ended.
    bool hasRoom();
    // True when descriptors are free for a new thread's event loop: Qt ends
    // the program when it cannot make one, so a connection that took the
    // last free descriptor is refused rather than given a thread.
    static bool canStartThread();

    int m_max;
    QList<QPointer<QThread>> m_threads;
    LogThrottle m_refusals;
};

#endif // CONNECTIONTHREADS_H
