#include "modbus_reply_guard.h"

#include "log_throttle.h"

#include <QDebug>
#include <QHostAddress>
#include <QTcpSocket>
#include <linux/sockios.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

ModbusReplyGuard::ModbusReplyGuard(QTcpSocket* socket, std::shared_ptr<LogThrottle> drops)
    : QObject(socket)
    , m_socket(socket)
    , m_drops(std::move(drops))
    , m_master(QStringLiteral("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort()))
{
    socket->setReadBufferSize(ReadSlice);
    m_heldPoll.setInterval(HoldPollMs);
    connect(&m_heldPoll, &QTimer::timeout, this, &ModbusReplyGuard::slotHeldPoll);
    connect(socket, &QIODevice::readyRead, this, &ModbusReplyGuard::slotServed);
}

qint64 ModbusReplyGuard::backlog() const
{
    // The system's queue counts what it has sent until the master's end
    // has acknowledged it: its own buffers, however large it has made them,
    // do not hide a master that reads nothing.
    int queued = 0;
    if (::ioctl(static_cast<int>(m_socket->socketDescriptor()), SIOCOUTQ, &queued) != 0 || queued < 0)
        queued = 0;
    return m_socket->bytesToWrite() + queued;
}

void ModbusReplyGuard::slotServed()
{
    const qint64 waiting = backlog();
    if (waiting > HardBacklog)
        drop(ReasonHardCap, waiting);
    else if (waiting > SoftBacklog)
        hold(waiting);
}

void ModbusReplyGuard::hold(qint64 backlog)
{
    m_lowest = backlog;
    m_unread.start();
    // QtSerialBus reads the socket only at its readyRead. The socket goes on
    // reading until it holds a slice, then leaves the rest to the system.
    m_socket->blockSignals(true);
    m_heldPoll.start();
}

bool ModbusReplyGuard::isReset() const
{
    tcp_info info = {};
    socklen_t length = sizeof info;
    return ::getsockopt(static_cast<int>(m_socket->socketDescriptor()), IPPROTO_TCP, TCP_INFO, &info, &length) == 0
           && info.tcpi_state == TCP_CLOSE;
}

void ModbusReplyGuard::slotHeldPoll()
{
    const QAbstractSocket::SocketState state = m_socket->state();
    if (state == QAbstractSocket::ConnectedState && !isReset()) {
        const qint64 waiting = backlog();
        if (waiting < m_lowest) {
            m_lowest = waiting;
            m_unread.start();
        }
        if (waiting <= ResumeBacklog)
            resume();
        else if (m_unread.elapsed() >= UnreadLimitMs)
            drop(ReasonUnread, waiting);
        return;
    }
    m_heldPoll.stop();
    m_socket->blockSignals(false);
    if (state == QAbstractSocket::ConnectedState) {
        // Reset by the master: the socket, reading and writing nothing
        // while held back, has not seen it.
        m_socket->abort();
    } else if (state == QAbstractSocket::UnconnectedState) {
        // The socket saw the end (a reset met the replies it was sending):
        // its owner, who missed the signal, lets it go once told.
        emit m_socket->disconnected();
    }
    // Else closing with the server: what it still sends goes, and the end
    // is told as it comes.
}

void ModbusReplyGuard::resume()
{
    m_heldPoll.stop();
    m_socket->blockSignals(false);
    // The requests that came meanwhile wait in the socket, their readyRead
    // held back with the rest.
    if (m_socket->bytesAvailable() > 0)
        emit m_socket->readyRead();
}

void ModbusReplyGuard::drop(Reason reason, qint64 backlog)
{
    quint64 held = 0;
    if (m_drops->pass(reason, &held)) {
        const QString what = reason == ReasonHardCap
                                 ? QStringLiteral("leaves %1 bytes of replies unread").arg(backlog)
                                 : QStringLiteral("has read none of its replies for %1 s, %2 bytes waiting")
                                       .arg(UnreadLimitMs / 1000)
                                       .arg(backlog);
        qWarning().noquote() << QStringLiteral("SCADA: Modbus TCP master %1 %2; disconnected%3")
                                    .arg(m_master, what, LogThrottle::heldText(held));
    }
    m_heldPoll.stop();
    m_socket->blockSignals(false);
    // Reset rather than closed: the system keeps none of the replies for a
    // master that reads none, and drops the requests it has not passed on.
    const linger reset = {1, 0};
    ::setsockopt(static_cast<int>(m_socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    // Tells QtSerialBus, which then lets the socket go.
    m_socket->abort();
}
