#ifndef ACCEPTED_SOCKET_H
#define ACCEPTED_SOCKET_H

#include <QByteArray>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

// The server's end of a local connection, for suites whose servers run in
// the test process: its descriptor is this process's too.
namespace AcceptedSocket {

inline quint16 portOf(const sockaddr_storage& a)
{
    return ntohs(a.ss_family == AF_INET6 ? reinterpret_cast<const sockaddr_in6&>(a).sin6_port
                                         : reinterpret_cast<const sockaddr_in&>(a).sin_port);
}

inline quint16 localPort(int fd)
{
    sockaddr_storage a = {};
    socklen_t n = sizeof a;
    return ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &n) == 0 ? portOf(a) : 0;
}

// The descriptor accepted on serverPort for the client at clientPort, or -1.
inline int find(quint16 serverPort, quint16 clientPort)
{
    const long last = qMin(::sysconf(_SC_OPEN_MAX), 65536L);
    for (int fd = 0; fd < last; ++fd) {
        sockaddr_storage peer = {};
        socklen_t n = sizeof peer;
        if (localPort(fd) == serverPort && ::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &n) == 0
            && portOf(peer) == clientPort)
            return fd;
    }
    return -1;
}

// Its probing of a quiet peer, as the system holds it.
inline QByteArray keepAlive(int fd)
{
    auto get = [fd](int level, int name) {
        int value = -1;
        socklen_t n = sizeof value;
        return QByteArray::number(::getsockopt(fd, level, name, &value, &n) == 0 ? value : -1);
    };
    return "on " + get(SOL_SOCKET, SO_KEEPALIVE) + " idle " + get(IPPROTO_TCP, TCP_KEEPIDLE) + " interval "
           + get(IPPROTO_TCP, TCP_KEEPINTVL) + " probes " + get(IPPROTO_TCP, TCP_KEEPCNT) + " timeout "
           + get(IPPROTO_TCP, TCP_USER_TIMEOUT);
}

// The client at fd vanishes without a word, as behind a pulled cable: its
// end is closed in repair mode, which sends nothing, and the server's end is
// told to probe after one quiet second; the client's system answers the probe
// with a reset. False (fd left open) without the right to repair sockets.
inline bool vanish(int fd, int serverEnd)
{
    const int on = 1, second = 1;
    if (::setsockopt(serverEnd, IPPROTO_TCP, TCP_KEEPIDLE, &second, sizeof second) != 0
        || ::setsockopt(fd, IPPROTO_TCP, TCP_REPAIR, &on, sizeof on) != 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace AcceptedSocket

#endif // ACCEPTED_SOCKET_H
