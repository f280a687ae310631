#ifndef RAW_CLIENT_H
#define RAW_CLIENT_H

#include <QByteArray>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// Clients of a local port or socket file without Qt, for suites that hold
// many connections, must not run an event loop while they wait, or shut one
// direction of a connection down.

inline sockaddr_in loopbackAddress(quint16 port)
{
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A connected client: its descriptor, or -1 when the connection is not made
// within 5 s (a server that stopped accepting lets its backlog fill, and a
// blocking connect would then wait for minutes). A receive buffer of so many
// bytes, if given, is set before connecting, so the window offered matches it.
inline int rawClient(quint16 port, int receiveBuffer = 0)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return -1;
    if (receiveBuffer > 0)
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    const int flags = ::fcntl(fd, F_GETFL);
    ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    const sockaddr_in address = loopbackAddress(port);
    bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!connected && errno == EINPROGRESS) {
        pollfd writable = {fd, POLLOUT, 0};
        int error = 0;
        socklen_t length = sizeof error;
        connected = ::poll(&writable, 1, 5000) == 1 && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0
                    && error == 0;
    }
    if (connected) {
        ::fcntl(fd, F_SETFL, flags);
        return fd;
    }
    ::close(fd);
    return -1;
}

// A non-blocking client of the stream socket at path; -1 when it cannot connect.
inline int rawLocalClient(const QString& path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= int(sizeof address.sun_path))
        return -1;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

#endif // RAW_CLIENT_H
