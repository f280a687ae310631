#include "connectionthreads.h"
#include "thread_start_reserve.h"

#include <QDebug>
#include <sys/eventfd.h>
#include <unistd.h>

ConnectionThreads::ConnectionThreads(int maxConnections)
    : m_max(maxConnections)
{
    ThreadStartReserve::isReady();
}

int ConnectionThreads::count() const
{
    int count = 0;
    for (const QPointer<QThread>& thread : m_threads)
        if (thread && !thread->isFinished())
            ++count;
    return count;
}

bool ConnectionThreads::hasRoom()
{
    for (int i = m_threads.size() - 1; i >= 0; --i)
        if (!m_threads.at(i) || m_threads.at(i)->isFinished())
            m_threads.removeAt(i);
    return m_threads.size() < m_max;
}

bool ConnectionThreads::admit(qintptr handle, const QString& refusedLine)
{
    const bool room = hasRoom();
    if (room && ThreadStartReserve::isReady() && canStartThread())
        return true;
    quint64 held = 0;
    if (m_refusals.pass(&held))
        qWarning().noquote() << refusedLine.arg(handle)
                                    .arg(room ? QStringLiteral("no descriptor left for its thread")
                                              : QStringLiteral("%1 clients connected").arg(m_max))
                                + LogThrottle::heldText(held);
    refuse(handle);
    return false;
}

void ConnectionThreads::refuse(qintptr handle)
{
    // Closed as accepted: nothing to allocate, also when descriptors or
    // memory run short.
    ::close(static_cast<int>(handle));
}

bool ConnectionThreads::canStartThread()
{
    // An event loop wakes up through an eventfd here; where it takes a pipe,
    // the kept descriptors make up for the second.
    const int probe = ::eventfd(0, EFD_CLOEXEC);
    if (probe < 0)
        return false;
    ::close(probe);
    return true;
}

void ConnectionThreads::start(QThread* thread)
{
    m_threads.append(thread);
    ThreadStartReserve::start(thread, QThread::LowPriority);
}

void ConnectionThreads::stopAll()
{
    const QList<QPointer<QThread>> threads = m_threads;
    m_threads.clear();
    for (const QPointer<QThread>& thread : threads)
        if (thread)
            thread->quit();
    for (const QPointer<QThread>& thread : threads) {
        if (!thread)
            continue;
        thread->wait();
        delete thread.data();
    }
}
