#include "tcp_keepalive.h"
#include "log_throttle.h"

#include <QDebug>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

bool TcpKeepAlive::enable(qintptr descriptor)
{
    struct Option
    {
        int level;
        int name;
        int value;
        const char* text;
    };
    const Option options[] = {
        {SOL_SOCKET, SO_KEEPALIVE, 1, "SO_KEEPALIVE"},
        {IPPROTO_TCP, TCP_KEEPIDLE, IdleSeconds, "TCP_KEEPIDLE"},
        {IPPROTO_TCP, TCP_KEEPINTVL, IntervalSeconds, "TCP_KEEPINTVL"},
        {IPPROTO_TCP, TCP_KEEPCNT, Probes, "TCP_KEEPCNT"},
        {IPPROTO_TCP, TCP_USER_TIMEOUT, UserTimeoutMs, "TCP_USER_TIMEOUT"},
    };
    QStringList refused;
    for (const Option& o : options) {
        if (::setsockopt(static_cast<int>(descriptor), o.level, o.name, &o.value, sizeof o.value) != 0)
            refused << QStringLiteral("%1 (%2)").arg(QLatin1String(o.text)).arg(qt_error_string(errno));
    }
    if (refused.isEmpty())
        return true;
    // A kernel that refuses an option refuses it for every connection, so
    // every client would add its line; the servers of every thread share this.
    static QMutex mutex;
    static LogThrottle log;
    QMutexLocker lock(&mutex);
    quint64 held = 0;
    if (log.pass(&held))
        qWarning().noquote() << QStringLiteral("Socket %1: keepalive options not set: %2%3")
                                    .arg(descriptor)
                                    .arg(refused.join(QStringLiteral(", ")))
                                    .arg(LogThrottle::heldText(held));
    return false;
}
