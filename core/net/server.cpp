#include "server.h"
#include "socketserver.h"
#include "tcp_acceptor.h"
#include "tcp_keepalive.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHostAddress>
#include <QTcpSocket>
#include <QThread>

TcpServer::TcpServer(Parameters* parameters, SpiDriver* driver, QObject* parent, quint16 port)
    : QTcpServer(parent)
    , m_parameters(parameters)
    , m_driver(driver)
{
    // The connections read the store: they must be gone before it is, also
    // when the server outlives the event loop.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &TcpServer::slotStop);
    m_acceptor = new TcpAcceptor(this, [this](qintptr handle) { incomingConnection(handle); },
                                 QStringLiteral("Service server:"), QStringLiteral("Service server:"));

    if (listen(QHostAddress::Any, port)) {
        m_acceptor->start();
        qDebug() << "Server started...";
    } else {
        qWarning() << "Error: server could not start!";
    }
}

TcpServer::~TcpServer()
{
    slotStop();
}

int TcpServer::connectionCount() const
{
    return m_threads.count();
}

void TcpServer::incomingConnection(qintptr handle)
{
    const QString refusedLine = QStringLiteral("Connection %1 refused: %2");
    if (!m_threads.admit(handle, refusedLine))
        return;
    qDebug() << "New incoming connection:" << handle;
    TcpKeepAlive::enable(handle);

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
    m_threads.start(thread, connection, handle, refusedLine);
}

void TcpServer::slotStop()
{
    m_acceptor->stop();
    close();
    m_threads.stopAll();
}
