#ifndef DEAF_CLIENT_H
#define DEAF_CLIENT_H

#include <QtGlobal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// A TCP client of a local port with a tiny receive window that never reads:
// the socket's descriptor, or -1.
inline int deafClient(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const int small = 4096;
    ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

#endif // DEAF_CLIENT_H
