#include "tcp_acceptor.h"

#include <QDebug>
#include <QSocketNotifier>
#include <QTcpServer>
#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>

TcpAcceptor::TcpAcceptor(QTcpServer* server, Handler handler, const QString& failurePrefix,
                         const QString& recoveryPrefix)
    : QObject(server)
    , m_server(server)
    , m_handler(std::move(handler))
    , m_failurePrefix(failurePrefix)
    , m_recoveryPrefix(recoveryPrefix)
    , m_retry(this) // a child, so that it follows the acceptor to another thread
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, &TcpAcceptor::slotRetry);
}

void TcpAcceptor::start()
{
    stop();
    const int listening = static_cast<int>(m_server->socketDescriptor());
    if (!m_server->isListening() || listening < 0)
        return;
    m_server->pauseAccepting();
    ::fcntl(listening, F_SETFL, ::fcntl(listening, F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(listening, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TcpAcceptor::slotReadable);
}

void TcpAcceptor::stop()
{
    m_retry.stop();
    delete m_notifier;
    m_notifier = nullptr;
    m_failing = FailureNone;
    m_logged = false;
    m_failures = 0;
}

void TcpAcceptor::slotReadable()
{
    for (int i = 0; i < MaxBatch && m_notifier->isEnabled(); ++i) {
        const int descriptor = ::accept4(static_cast<int>(m_server->socketDescriptor()), nullptr, nullptr, SOCK_CLOEXEC);
        if (descriptor >= 0) {
            accepted();
            handOver(descriptor);
            if (!m_notifier)
                return; // stopped meanwhile
            continue;
        }
        switch (errno) {
        case EAGAIN:
            return;
        case EINTR:
        case ECONNABORTED:
        // Errors of the connection itself, which Linux passes on at accept.
        case EPROTO:
        case ENETDOWN:
        case ENOPROTOOPT:
        case EHOSTDOWN:
        case ENONET:
        case EHOSTUNREACH:
        case EOPNOTSUPP:
        case ENETUNREACH:
            continue;
        default:
            // No descriptor or memory left (EMFILE, ENFILE, ENOBUFS, ENOMEM),
            // or the listening socket itself fails (EBADF, EINVAL, ENOTSOCK,
            // EPERM...): either may last, so it is tried again a second later.
            fail(errno);
            return;
        }
    }
}

void TcpAcceptor::handOver(int descriptor)
{
    // Taking a pending connection (nextPendingConnection) turns the server's
    // own read notifier on again, on the socket this one watches. Qt's own
    // event dispatcher (a Qt built without glib) keeps one notifier per
    // socket and type: the second replaces the first, and turning either off
    // leaves the socket unwatched, so nothing would be accepted any more.
    // This one is therefore off while the server's may be on, and on again
    // only once the server's is off.
    m_notifier->setEnabled(false);
    m_handler(descriptor);
    if (!m_notifier)
        return;
    m_server->pauseAccepting();
    m_notifier->setEnabled(true);
}

bool TcpAcceptor::isShortage(int error)
{
    return error == EMFILE || error == ENFILE || error == ENOBUFS || error == ENOMEM;
}

void TcpAcceptor::fail(int error)
{
    m_notifier->setEnabled(false);
    ++m_failures;
    // Logged as the failures begin, and again when they change kind.
    const int kind = isShortage(error) ? FailureShortage : FailureSocket;
    if (kind != m_failing) {
        m_failing = kind;
        quint64 held = 0;
        const bool logged = m_log.pass(kind, &held);
        m_logged = m_logged || logged;
        if (logged)
            qWarning().noquote() << (kind == FailureShortage
                                         ? QStringLiteral("%1 connection not accepted on port %2, no descriptor or memory left (%3); trying again every second%4")
                                         : QStringLiteral("%1 accepting on port %2 failed (%3); trying again every second%4"))
                                        .arg(m_failurePrefix)
                                        .arg(m_server->serverPort())
                                        .arg(qt_error_string(error))
                                        .arg(LogThrottle::heldText(held));
    }
    m_retry.start();
    emit signalAcceptFailed(error);
}

void TcpAcceptor::slotRetry()
{
    // A client still waiting makes the socket readable at once.
    if (m_notifier)
        m_notifier->setEnabled(true);
}

void TcpAcceptor::accepted()
{
    if (!m_failing)
        return;
    if (m_logged)
        qWarning().noquote() << QStringLiteral("%1 accepting connections on port %2 again after %3 failed accept(s)")
                                    .arg(m_recoveryPrefix)
                                    .arg(m_server->serverPort())
                                    .arg(m_failures);
    m_failing = FailureNone;
    m_logged = false;
    m_failures = 0;
}
