#ifndef CONNECTIONTHREADS_H
#define CONNECTIONTHREADS_H

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
    // True when one more connection may run; forgets the threads that ended.
    bool hasRoom();
    // Refuses a connection handle: the client sees it closed at once.
    static void refuse(qintptr handle);
    // True when descriptors are free for a new thread's event loop: Qt ends
    // the program when it cannot make one, so a connection that took the
    // last free descriptor is refused rather than given a thread.
    static bool canStartThread();
    void add(QThread* thread) { m_threads.append(thread); }
    void stopAll();

private:
    int m_max;
    QList<QPointer<QThread>> m_threads;
};

#endif // CONNECTIONTHREADS_H
