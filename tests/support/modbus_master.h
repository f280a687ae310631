#ifndef MODBUS_MASTER_H
#define MODBUS_MASTER_H

#include "raw_client.h"

#include <QByteArray>
#include <QElapsedTimer>

// Modbus TCP masters on raw sockets, for suites and benchmarks that hold a
// server to its answers byte for byte, time them, or pipeline requests.
namespace ModbusMaster {

// A read of count holding registers of unit 1, from address on.
inline QByteArray readRequest(quint16 transaction, quint16 count = 1, quint16 address = 0)
{
    QByteArray request = QByteArray::fromHex("000000000006" "01" "03" "0000" "0000");
    request[0] = char(transaction >> 8);
    request[1] = char(transaction & 0xFF);
    request[8] = char(address >> 8);
    request[9] = char(address & 0xFF);
    request[10] = char(count >> 8);
    request[11] = char(count & 0xFF);
    return request;
}

// The answer to it of a map without registers: exception 2, illegal data address.
inline QByteArray noRegisterAnswer(quint16 transaction)
{
    QByteArray answer = QByteArray::fromHex("000000000003" "01" "83" "02");
    answer[0] = char(transaction >> 8);
    answer[1] = char(transaction & 0xFF);
    return answer;
}

inline quint16 transactionOf(const QByteArray& frame)
{
    return frame.size() >= 2 ? quint16((quint8(frame.at(0)) << 8) | quint8(frame.at(1))) : 0;
}

// Takes one whole answer (header and the length it gives) off the front of
// in; empty while in holds none.
inline QByteArray takeWhole(QByteArray* in)
{
    if (in->size() < 6)
        return QByteArray();
    const int whole = 6 + ((quint8(in->at(4)) << 8) | quint8(in->at(5)));
    if (in->size() < whole)
        return QByteArray();
    const QByteArray answer = in->left(whole);
    in->remove(0, whole);
    return answer;
}

// The same, reading fd for more as needed, for timeoutMs at most; empty
// when none came whole in time or the connection ended.
inline QByteArray takeAnswer(int fd, QByteArray* in, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const QByteArray answer = takeWhole(in);
        if (!answer.isEmpty())
            return answer;
        const qint64 left = timeoutMs - clock.elapsed();
        pollfd ready = {fd, POLLIN, 0};
        if (left <= 0 || ::poll(&ready, 1, int(left)) != 1)
            return QByteArray();
        char buffer[65536];
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got <= 0)
            return QByteArray();
        in->append(buffer, int(got));
    }
}

// Sends request and takes its answer as takeAnswer does; empty when the
// request could not be sent.
inline QByteArray ask(int fd, const QByteArray& request, QByteArray* in, int timeoutMs)
{
    if (fd < 0 || ::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL) != request.size())
        return QByteArray();
    return takeAnswer(fd, in, timeoutMs);
}

// What comes back within 5 s for a read of register 10 (transaction 7): the
// answer and whatever came with it, or nothing when the server closed the
// connection without a word.
inline QByteArray readRegister10(int fd)
{
    QByteArray in;
    const QByteArray answer = ask(fd, readRequest(7, 1, 10), &in, 5000);
    return answer + in;
}

// A master that polls one register at a time, as SCADA masters do.
class Poller
{
public:
    explicit Poller(quint16 port)
        : m_fd(rawClient(port))
    {
    }
    ~Poller()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Poller(const Poller&) = delete;
    Poller& operator=(const Poller&) = delete;

    bool connected() const { return m_fd >= 0; }
    // Sends one read and waits for its answer for timeoutMs at most: the
    // milliseconds it took, or -1 when no answer, or a wrong one, came.
    double poll(int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        const quint16 transaction = m_next++;
        return ask(m_fd, readRequest(transaction), &m_in, timeoutMs) == noRegisterAnswer(transaction)
                   ? clock.nsecsElapsed() / 1e6
                   : -1;
    }

private:
    int m_fd;
    quint16 m_next = 0;
    QByteArray m_in;
};

} // namespace ModbusMaster

#endif // MODBUS_MASTER_H
