#include "commandserver.h"
#include "commandsocket.h"
#include "spidriver.h"
#include "tcp_acceptor.h"
#include "tcp_keepalive.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHostAddress>
#include <QTcpSocket>
#include <QThread>

CommandServer::CommandServer(Parameters* parameters, SpiDriver* driver, QObject* parent, quint16 port)
    : QTcpServer(parent)
    , m_port(port)
    , m_parameters(parameters)
    , m_idleMs(CommandSocket::DefaultIdleMs)
{
    if (driver)
        m_writeBacklog = driver->writeBacklog();
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &CommandServer::slotStop);
    m_acceptor = new TcpAcceptor(this, [this](qintptr handle) { incomingConnection(handle); },
                                 QStringLiteral("[E] CS:"), QStringLiteral("[I] CS:"));
}

CommandServer::~CommandServer()
{
    slotStop();
}

void CommandServer::start()
{
    if (listen(QHostAddress::Any, m_port)) {
        m_acceptor->start();
        qDebug() << "[I] CS: Server started";
    } else {
        qDebug() << "[E] CS: Server could not start";
    }
}

int CommandServer::connectionCount() const
{
    return m_threads.count();
}

void CommandServer::incomingConnection(qintptr handle)
{
    const QString refusedLine = QStringLiteral("[E] CS[%1]: Client refused, %2");
    if (!m_threads.admit(handle, refusedLine))
        return;
    TcpKeepAlive::enable(handle);

    auto* connection = new CommandSocket(handle, m_parameters, m_idleMs);
    connection->setWriteBacklog(m_writeBacklog);
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
    m_threads.start(thread, connection, handle, refusedLine);
}

void CommandServer::slotStop()
{
    m_acceptor->stop();
    close();
    m_threads.stopAll();
}
