#include "server.h"
#include "mainapplication.h"
#include "socketserver.h"

#include <QDebug>
#include <QHostAddress>
#include <QTcpSocket>
#include <QThread>

TcpServer::TcpServer(QObject* parent, quint16 port, Parameters* parameters, SpiDriver* driver)
    : QTcpServer(parent)
    , m_parameters(parameters)
    , m_driver(driver)
{
    if (MainApplication* app = MainApplication::getInstance()) {
        if (!m_parameters)
            m_parameters = app->getParameters();
        if (!m_driver)
            m_driver = app->getSpiDriver();
    }
    // The connections read the store: they must be gone before it is, also
    // when the server outlives the event loop.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &TcpServer::slotStop);

    if (listen(QHostAddress::Any, port))
        qDebug() << "Server started...";
    else
        qWarning() << "Error: server could not start!";
}

TcpServer::~TcpServer()
{
    slotStop();
}

int TcpServer::connectionCount() const
{
    int count = 0;
    for (const QPointer<QThread>& thread : m_threads)
        if (thread && !thread->isFinished())
            ++count;
    return count;
}

void TcpServer::incomingConnection(qintptr handle)
{
    qDebug() << "New incoming connection:" << handle;

    // Forget the threads that have ended.
    for (int i = m_threads.size() - 1; i >= 0; --i)
        if (!m_threads.at(i) || m_threads.at(i)->isFinished())
            m_threads.removeAt(i);
    if (m_threads.size() >= MaxConnections) {
        qWarning() << "Connection" << handle << "refused:" << MaxConnections << "clients connected";
        QTcpSocket refused;
        refused.setSocketDescriptor(handle);
        refused.abort();
        return;
    }

    auto* thread = new QThread;
    thread->setObjectName(QStringLiteral("SocketServer"));
    auto* connection = new SocketServer(handle, m_parameters, m_driver);
    connection->moveToThread(thread);
    connect(thread, &QThread::started, connection, &SocketServer::process);
    // The connection ends its thread when its client goes; when the server
    // stops the thread first, the connection is deleted as the thread ends
    // (deferred deletes run when a thread finishes), in its own thread.
    connect(connection, &QObject::destroyed, thread, &QThread::quit, Qt::DirectConnection);
    connect(thread, &QThread::finished, connection, &QObject::deleteLater, Qt::DirectConnection);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    m_threads.append(thread);
    thread->start(QThread::LowPriority);
}

void TcpServer::slotStop()
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
