#include "commandserver.h"
#include "commandsocket.h"
#include "mainapplication.h"

#include <QDebug>
#include <QHostAddress>
#include <QTcpSocket>
#include <QThread>

CommandServer::CommandServer(QObject* parent, quint16 port, Parameters* parameters)
    : QTcpServer(parent)
    , m_port(port)
    , m_parameters(parameters)
    , m_idleMs(CommandSocket::DefaultIdleMs)
{
    if (!m_parameters) {
        if (MainApplication* app = MainApplication::getInstance())
            m_parameters = app->getParameters();
    }
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &CommandServer::slotStop);
}

CommandServer::~CommandServer()
{
    slotStop();
}

void CommandServer::start()
{
    if (listen(QHostAddress::Any, m_port))
        qDebug() << "[I] CS: Server started";
    else
        qDebug() << "[E] CS: Server could not start";
}

int CommandServer::connectionCount() const
{
    int count = 0;
    for (const QPointer<QThread>& thread : m_threads)
        if (thread && !thread->isFinished())
            ++count;
    return count;
}

void CommandServer::incomingConnection(qintptr handle)
{
    for (int i = m_threads.size() - 1; i >= 0; --i)
        if (!m_threads.at(i) || m_threads.at(i)->isFinished())
            m_threads.removeAt(i);
    if (m_threads.size() >= MaxConnections) {
        qDebug().noquote() << QString("[E] CS[%1]: Client refused, %2 clients connected").arg(handle).arg(MaxConnections);
        QTcpSocket refused;
        refused.setSocketDescriptor(handle);
        refused.abort();
        return;
    }

    auto* connection = new CommandSocket(handle, m_parameters, m_idleMs);
    auto* thread = new QThread;
    thread->setObjectName(QStringLiteral("CommandSocket"));
    connect(thread, &QThread::started, connection, &CommandSocket::process);
    connect(connection, &CommandSocket::finished, thread, &QThread::quit, Qt::DirectConnection);
    connect(connection, &CommandSocket::finished, connection, &QObject::deleteLater);
    // When the server stops the thread first, the connection (and its
    // socket) is deleted as the thread ends, in its own thread.
    connect(thread, &QThread::finished, connection, &QObject::deleteLater, Qt::DirectConnection);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connection->moveToThread(thread);
    m_threads.append(thread);
    thread->start(QThread::LowPriority);
}

void CommandServer::slotStop()
{
    close();
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
