#include "emulator_server.h"
#include "controller_model.h"

#include <QDebug>
#include <QFile>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const int LinkHeaderSize = 8;
// Largest transfer one message may carry (the program's longest is a 4121-byte frame, escaped).
const int MaxTransfer = 65536;

quint32 getU32Le(const char* p)
{
    const auto* b = reinterpret_cast<const quint8*>(p);
    return quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) | (quint32(b[3]) << 24);
}

// How long ago the program sent a transfer message; 0 when unknown.
qint64 inFlightNs(msghdr& message)
{
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_TIMESTAMPNS)
            continue;
        timespec sent;
        timespec now;
        std::memcpy(&sent, CMSG_DATA(c), sizeof sent);
        ::clock_gettime(CLOCK_REALTIME, &now);
        const qint64 ns = (qint64(now.tv_sec) - sent.tv_sec) * 1000000000 + (now.tv_nsec - sent.tv_nsec);
        // A step of the wall clock in between makes it meaningless.
        return ns > 0 && ns < 1000000000 ? ns : 0;
    }
    return 0;
}

} // namespace

EmulatorServer::EmulatorServer(ControllerModel* model, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_protocol(model)
{
    m_message.resize(LinkHeaderSize + MaxTransfer);
    connect(&m_control, &QLocalServer::newConnection, this, &EmulatorServer::acceptControl);
}

EmulatorServer::~EmulatorServer()
{
    close();
}

bool EmulatorServer::listen(const QString& linkPath, const QString& controlPath, QString* error)
{
    const QByteArray path = QFile::encodeName(linkPath);
    sockaddr_un address;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || path.size() >= static_cast<int>(sizeof address.sun_path)) {
        *error = QStringLiteral("socket path too long: %1").arg(linkPath);
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));

    // A socket file left by an earlier run would make bind fail.
    ::unlink(path.constData());
    m_listenFd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (m_listenFd < 0 || ::bind(m_listenFd, reinterpret_cast<const sockaddr*>(&address), sizeof address) < 0
        || ::listen(m_listenFd, 4) < 0) {
        *error = QStringLiteral("cannot listen on %1: %2").arg(linkPath, QString::fromLocal8Bit(std::strerror(errno)));
        close();
        return false;
    }
    m_linkPath = linkPath;
    m_listenNotifier = new QSocketNotifier(m_listenFd, QSocketNotifier::Read, this);
    connect(m_listenNotifier, &QSocketNotifier::activated, this, &EmulatorServer::acceptLink);

    QLocalServer::removeServer(controlPath);
    if (!m_control.listen(controlPath)) {
        *error = QStringLiteral("cannot listen on %1: %2").arg(controlPath, m_control.errorString());
        close();
        return false;
    }
    m_controlPath = controlPath;
    return true;
}

void EmulatorServer::close()
{
    dropLink();
    delete m_listenNotifier;
    m_listenNotifier = nullptr;
    if (m_listenFd >= 0) {
        ::close(m_listenFd);
        m_listenFd = -1;
    }
    if (!m_linkPath.isEmpty()) {
        ::unlink(QFile::encodeName(m_linkPath).constData());
        m_linkPath.clear();
    }
    const QList<QLocalSocket*> clients = m_control.findChildren<QLocalSocket*>();
    for (QLocalSocket* client : clients)
        client->abort();
    m_control.close();
    if (!m_controlPath.isEmpty()) {
        QFile::remove(m_controlPath);
        m_controlPath.clear();
    }
}

void EmulatorServer::acceptLink()
{
    if (m_linkFd >= 0)
        return;
    const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0)
        return;
    m_linkFd = fd;
    // Each transfer's wire time runs from when the program sent it.
    const int on = 1;
    ::setsockopt(m_linkFd, SOL_SOCKET, SO_TIMESTAMPNS, &on, sizeof on);
    // One program at a time: the next waits in the backlog until this one goes.
    m_listenNotifier->setEnabled(false);
    m_linkNotifier = new QSocketNotifier(m_linkFd, QSocketNotifier::Read, this);
    connect(m_linkNotifier, &QSocketNotifier::activated, this, &EmulatorServer::serveLink);
}

void EmulatorServer::dropLink()
{
    if (m_linkNotifier) {
        m_linkNotifier->setEnabled(false);
        m_linkNotifier->deleteLater();
        m_linkNotifier = nullptr;
    }
    if (m_linkFd >= 0) {
        ::close(m_linkFd);
        m_linkFd = -1;
    }
    if (m_listenNotifier)
        m_listenNotifier->setEnabled(true);
}

void EmulatorServer::serveLink()
{
    iovec part;
    part.iov_base = m_message.data();
    part.iov_len = static_cast<size_t>(m_message.size());
    msghdr message;
    std::memset(&message, 0, sizeof message);
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(timespec))];
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    ssize_t n;
    do {
        n = ::recvmsg(m_linkFd, &message, MSG_DONTWAIT);
    } while (n < 0 && errno == EINTR);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        return;
    if (n < LinkHeaderSize || (message.msg_flags & MSG_TRUNC)) {
        // Gone, or not speaking the link's message format.
        dropLink();
        return;
    }
    const quint32 speedHz = getU32Le(m_message.constData());
    const quint32 length = getU32Le(m_message.constData() + 4);
    if (length != static_cast<quint32>(n - LinkHeaderSize)) {
        qWarning() << "controller_emu: a transfer message announced" << length << "bytes and carried"
                   << (n - LinkHeaderSize);
        dropLink();
        return;
    }
    m_reply.resize(static_cast<int>(length));
    m_model->transfer(reinterpret_cast<const quint8*>(m_message.constData() + LinkHeaderSize),
                      reinterpret_cast<quint8*>(m_reply.data()), length, speedHz, inFlightNs(message));
    ssize_t sent;
    do {
        sent = ::send(m_linkFd, m_reply.constData(), static_cast<size_t>(m_reply.size()), MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    if (sent != m_reply.size())
        dropLink();
}

void EmulatorServer::acceptControl()
{
    while (QLocalSocket* client = m_control.nextPendingConnection()) {
        connect(client, &QLocalSocket::readyRead, this, &EmulatorServer::readControl);
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    }
}

void EmulatorServer::readControl()
{
    auto* client = qobject_cast<QLocalSocket*>(sender());
    if (!client)
        return;
    while (client->canReadLine()) {
        const QString line = QString::fromUtf8(client->readLine());
        const QStringList answer = m_protocol.execute(line);
        if (answer.isEmpty())
            continue;
        client->write((answer.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        // At once: a client that has closed its sending side is disconnected
        // as soon as the end of its input is read, and the buffer with it.
        client->flush();
        if (m_protocol.quitRequested()) {
            client->waitForBytesWritten(1000);
            emit quitRequested();
            return;
        }
    }
}
