#ifndef FLOODER_H
#define FLOODER_H

#include "accepted_socket.h"
#include "raw_client.h"

#include <QByteArray>
#include <atomic>
#include <fcntl.h>
#include <thread>

// A client that writes the same bytes whenever its socket takes them and
// reads (and drops) what comes back, or reads nothing, from a thread of its
// own, until stopped or closed by the other end; then it goes as a client
// process that ends does: its unread replies make the close a reset.
class Flooder
{
public:
    enum Replies { ReadReplies, LeaveRepliesUnread };

    // A receive buffer of so many bytes, if given, is the connection's.
    Flooder(quint16 port, const QByteArray& chunk, Replies replies = ReadReplies, int receiveBuffer = 0)
        : m_fd(rawClient(port, receiveBuffer))
        , m_chunk(chunk)
        , m_reads(replies == ReadReplies)
    {
        if (m_fd < 0)
            return;
        ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
        m_thread = std::thread([this] { run(); });
    }
    ~Flooder() { stop(); }
    Flooder(const Flooder&) = delete;
    Flooder& operator=(const Flooder&) = delete;

    bool connected() const { return m_fd >= 0; }
    // Bytes the socket has taken so far.
    qint64 bytesSent() const { return m_sent.load(); }
    // Whether the other end has closed or reset the connection.
    bool closedByPeer() const { return m_closed.load(); }
    quint16 localPort() const { return AcceptedSocket::localPort(m_fd); }
    void stop()
    {
        if (m_thread.joinable()) {
            m_running = false;
            m_thread.join();
        }
        if (m_fd >= 0) {
            const linger reset = {1, 0};
            ::setsockopt(m_fd, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
            ::close(m_fd);
            m_fd = -1;
        }
    }

private:
    void run()
    {
        int offset = 0;
        char in[65536];
        while (m_running) {
            pollfd p = {m_fd, short(m_reads ? POLLIN | POLLOUT : POLLOUT), 0};
            if (::poll(&p, 1, 10) < 0)
                return;
            if (p.revents & POLLOUT) {
                const ssize_t n = ::send(m_fd, m_chunk.constData() + offset, size_t(m_chunk.size() - offset), MSG_NOSIGNAL);
                if (n > 0) {
                    m_sent += n;
                    offset = int((offset + n) % m_chunk.size());
                }
            }
            const bool ended = m_reads ? (p.revents & (POLLIN | POLLHUP | POLLERR)) && ::recv(m_fd, in, sizeof in, 0) <= 0
                                       : (p.revents & (POLLHUP | POLLERR)) != 0;
            if (ended) {
                m_closed = true;
                return;
            }
        }
    }

    int m_fd;
    QByteArray m_chunk;
    bool m_reads;
    std::atomic<bool> m_running{true};
    std::atomic<bool> m_closed{false};
    std::atomic<qint64> m_sent{0};
    std::thread m_thread;
};

#endif // FLOODER_H
