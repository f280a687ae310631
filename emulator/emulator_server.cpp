#include "emulator_server.h"
#include "control_connection.h"
#include "controller_model.h"

#include <QDebug>
#include <QFile>
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

// The kinds of line the server logs on its own.
enum LogKind { LogAcceptFailed, LogTooManyClients };

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

// A listening Unix-domain socket of the type at path, replacing a socket file
// an earlier run left; -1 with the reason in error when it cannot be made.
int listenAt(const QString& path, int type, int backlog, QString* error)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || name.size() >= static_cast<int>(sizeof address.sun_path)) {
        *error = QStringLiteral("socket path too long: %1").arg(path);
        return -1;
    }
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    // A socket file left by an earlier run would make bind fail.
    ::unlink(name.constData());
    const int fd = ::socket(AF_UNIX, type | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) < 0 || ::listen(fd, backlog) < 0) {
        *error = QStringLiteral("cannot listen on %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

EmulatorServer::EmulatorServer(ControllerModel* model, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_protocol(model)
{
    m_message.resize(LinkHeaderSize + MaxTransfer);
    m_acceptRetry.setSingleShot(true);
    m_acceptRetry.setInterval(AcceptRetryMs);
    connect(&m_acceptRetry, &QTimer::timeout, this, &EmulatorServer::slotRetryAccept);
    m_quitWait.setSingleShot(true);
    m_quitWait.setInterval(QuitWaitMs);
    connect(&m_quitWait, &QTimer::timeout, this, &EmulatorServer::slotQuitNow);
}

EmulatorServer::~EmulatorServer()
{
    close();
}

bool EmulatorServer::listen(const QString& linkPath, const QString& controlPath, QString* error)
{
    m_listenFd = listenAt(linkPath, SOCK_SEQPACKET, 4, error);
    if (m_listenFd < 0)
        return false;
    m_linkPath = linkPath;
    m_listenNotifier = new QSocketNotifier(m_listenFd, QSocketNotifier::Read, this);
    connect(m_listenNotifier, &QSocketNotifier::activated, this, &EmulatorServer::acceptLink);

    m_controlFd = listenAt(controlPath, SOCK_STREAM, 50, error);
    if (m_controlFd < 0) {
        close();
        return false;
    }
    m_controlPath = controlPath;
    m_controlNotifier = new QSocketNotifier(m_controlFd, QSocketNotifier::Read, this);
    connect(m_controlNotifier, &QSocketNotifier::activated, this, &EmulatorServer::acceptControl);
    return true;
}

void EmulatorServer::close()
{
    m_acceptRetry.stop();
    m_quitWait.stop();
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
    const QList<ControlConnection*> clients = findChildren<ControlConnection*>();
    for (ControlConnection* client : clients)
        client->closeNow();
    delete m_controlNotifier;
    m_controlNotifier = nullptr;
    if (m_controlFd >= 0) {
        ::close(m_controlFd);
        m_controlFd = -1;
    }
    if (!m_controlPath.isEmpty()) {
        ::unlink(QFile::encodeName(m_controlPath).constData());
        m_controlPath.clear();
    }
}

void EmulatorServer::acceptLink()
{
    if (m_linkFd >= 0)
        return;
    const int fd = acceptFrom(m_listenFd, SOCK_CLOEXEC, m_listenNotifier);
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
    if (m_listenNotifier && !m_acceptRetry.isActive())
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

int EmulatorServer::acceptFrom(int listenFd, int flags, QSocketNotifier* notifier)
{
    const int fd = ::accept4(listenFd, nullptr, nullptr, flags);
    const int error = errno;
    if (fd >= 0 || error == EAGAIN || error == EWOULDBLOCK || error == EINTR || error == ECONNABORTED)
        return fd;
    // Out of descriptors or memory: the waiting connection keeps the socket
    // readable, and accepting again at once would spin as long as that lasts.
    quint64 held = 0;
    if (m_log.pass(LogAcceptFailed, &held))
        qWarning().noquote() << QStringLiteral("controller_emu: cannot accept a connection: %1; trying again every "
                                               "%2 ms%3")
                                    .arg(QString::fromLocal8Bit(std::strerror(error)))
                                    .arg(AcceptRetryMs)
                                    .arg(LogThrottle::heldText(held));
    notifier->setEnabled(false);
    m_acceptRetry.start();
    return -1;
}

void EmulatorServer::slotRetryAccept()
{
    if (m_listenNotifier && m_linkFd < 0)
        m_listenNotifier->setEnabled(true);
    if (m_controlNotifier && !m_quitting)
        m_controlNotifier->setEnabled(true);
}

void EmulatorServer::acceptControl()
{
    const int fd = acceptFrom(m_controlFd, SOCK_NONBLOCK | SOCK_CLOEXEC, m_controlNotifier);
    if (fd < 0)
        return;
    if (m_controlClients >= MaxControlClients) {
        static const char refusal[] = "error: too many control clients\n";
        const ssize_t ignored = ::send(fd, refusal, sizeof refusal - 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        (void)ignored;
        ::close(fd);
        quint64 held = 0;
        if (m_log.pass(LogTooManyClients, &held))
            qWarning().noquote() << "controller_emu: refused a control client:" << MaxControlClients
                                 << "are connected" + LogThrottle::heldText(held);
        return;
    }
    ++m_controlClients;
    auto* client = new ControlConnection(fd, &m_protocol, &m_clientLog, this);
    connect(client, &ControlConnection::signalQuitRequested, this, &EmulatorServer::slotControlQuit);
    connect(client, &ControlConnection::signalClosed, this, &EmulatorServer::slotControlClosed);
}

void EmulatorServer::slotControlQuit()
{
    if (m_quitting)
        return;
    // Nothing more is read; what was read is answered, and the emulator ends
    // once every client has taken its answers, or after QuitWaitMs.
    m_quitting = true;
    if (m_controlNotifier)
        m_controlNotifier->setEnabled(false);
    const QList<ControlConnection*> clients = findChildren<ControlConnection*>();
    for (ControlConnection* client : clients)
        client->endInput();
    if (m_controlClients == 0)
        slotQuitNow();
    else
        m_quitWait.start();
}

void EmulatorServer::slotControlClosed()
{
    --m_controlClients;
    if (m_quitting && m_controlClients == 0)
        slotQuitNow();
}

void EmulatorServer::slotQuitNow()
{
    if (m_quitSent)
        return;
    m_quitSent = true;
    m_quitWait.stop();
    if (m_controlClients > 0)
        qWarning().noquote() << "controller_emu: quit with" << m_controlClients
                             << "control clients' answers not taken within" << QuitWaitMs << "ms";
    emit quitRequested();
}
