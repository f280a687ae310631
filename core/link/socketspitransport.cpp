#include "socketspitransport.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const int HeaderSize = 8;

void putU32(char* out, quint32 value)
{
    out[0] = static_cast<char>(value & 0xFF);
    out[1] = static_cast<char>((value >> 8) & 0xFF);
    out[2] = static_cast<char>((value >> 16) & 0xFF);
    out[3] = static_cast<char>((value >> 24) & 0xFF);
}

bool setTimeout(int fd, int option, int ms)
{
    timeval tv;
    tv.tv_sec = ms / 1000;
    tv.tv_usec = (ms % 1000) * 1000;
    return ::setsockopt(fd, SOL_SOCKET, option, &tv, sizeof tv) == 0;
}

} // namespace

SocketSpiTransport::SocketSpiTransport(const QString& path)
    : m_path(QFile::encodeName(path))
{
}

SocketSpiTransport::~SocketSpiTransport()
{
    close();
}

void SocketSpiTransport::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

bool SocketSpiTransport::open()
{
    if (m_fd >= 0)
        return true;

    sockaddr_un address;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (m_path.isEmpty() || m_path.size() >= static_cast<int>(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, m_path.constData(), static_cast<size_t>(m_path.size()));

    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    if (!setTimeout(fd, SO_RCVTIMEO, ReplyTimeoutMs) || !setTimeout(fd, SO_SNDTIMEO, ReplyTimeoutMs)) {
        ::close(fd);
        return false;
    }
    int rc;
    do {
        rc = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    } while (rc < 0 && errno == EINTR);
    if (rc < 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

int SocketSpiTransport::transfer(const quint8* tx, quint8* rx, quint32 length, quint32 speedHz)
{
    if (m_fd < 0 || length > MaxTransfer || (length > 0 && (!tx || !rx)))
        return -1;
    if (length == 0)
        return 0;

    m_message.resize(HeaderSize + static_cast<int>(length));
    char* out = m_message.data();
    putU32(out, speedHz);
    putU32(out + 4, length);
    std::memcpy(out + HeaderSize, tx, length);

    ssize_t sent;
    do {
        sent = ::send(m_fd, out, static_cast<size_t>(m_message.size()), MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    if (sent != m_message.size()) {
        close();
        return -1;
    }

    // One message answers one transfer; a longer one is a broken peer.
    iovec part;
    part.iov_base = rx;
    part.iov_len = length;
    msghdr message;
    std::memset(&message, 0, sizeof message);
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    ssize_t received;
    do {
        received = ::recvmsg(m_fd, &message, 0);
    } while (received < 0 && errno == EINTR);
    if (received != static_cast<ssize_t>(length) || (message.msg_flags & MSG_TRUNC)) {
        close();
        return -1;
    }
    return static_cast<int>(length);
}
