#include "connectionthreads.h"

#include <QDebug>
#include <fcntl.h>
#include <unistd.h>

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
    if (room && canStartThread())
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
    // An event loop wakes up through an eventfd, or a pipe where there is none.
    int probe[2];
    if (::pipe2(probe, O_CLOEXEC) != 0)
        return false;
    ::close(probe[0]);
    ::close(probe[1]);
    return true;
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
