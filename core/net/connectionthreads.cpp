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
    refuseWithLine(handle, refusedLine, RefusedAtAdmission,
                   room ? QStringLiteral("no descriptor left for its thread") : QStringLiteral("%1 clients connected").arg(m_max));
    return false;
}

void ConnectionThreads::refuseWithLine(qintptr handle, const QString& refusedLine, Refusal kind, const QString& reason)
{
    quint64 held = 0;
    if (m_refusals.pass(kind, &held))
        qWarning().noquote() << refusedLine.arg(handle).arg(reason) + LogThrottle::heldText(held);
    refuse(handle);
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

bool ConnectionThreads::start(QThread* thread, QObject* connection, qintptr handle, const QString& refusedLine)
{
    m_threads.append(thread);
    if (ThreadStartReserve::start(thread, QThread::LowPriority))
        return true;
    // Nothing runs in the thread, nor will: what lives there goes from here,
    // the connection first (it refers to its thread). The handle was never
    // given to a socket.
    m_threads.removeAll(thread);
    delete connection;
    delete thread;
    refuseWithLine(handle, refusedLine, RefusedAtStart, QStringLiteral("its thread could not start"));
    return false;
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
