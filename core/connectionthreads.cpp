#include "connectionthreads.h"

#include <QTcpSocket>

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

void ConnectionThreads::refuse(qintptr handle)
{
    QTcpSocket refused;
    refused.setSocketDescriptor(handle);
    refused.abort();
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
