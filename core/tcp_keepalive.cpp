#include "tcp_keepalive.h"

#include <QDebug>
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
    bool ok = true;
    for (const Option& o : options) {
        if (::setsockopt(static_cast<int>(descriptor), o.level, o.name, &o.value, sizeof o.value) != 0) {
            qWarning().noquote() << QStringLiteral("Socket %1: %2 not set: %3")
                                        .arg(descriptor)
                                        .arg(QLatin1String(o.text))
                                        .arg(qt_error_string(errno));
            ok = false;
        }
    }
    return ok;
}
