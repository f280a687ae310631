#ifndef SERVICE_CLIENT_H
#define SERVICE_CLIENT_H

#include "wait_for.h"

#include <QDataStream>
#include <QHostAddress>
#include <QTcpSocket>
#include <functional>

// A request block as a service program writes it (QDataStream version 7).
template <typename Fill>
QByteArray serviceRequest(quint16 command, Fill fill)
{
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_0);
    out << quint16(0) << command;
    fill(out);
    out.device()->seek(0);
    out << quint16(block.size() - 2);
    return block;
}

QByteArray idRequest(quint16 command, const QVector<quint16>& ids);

// A reply block: a value (3), an event (4, in first), an archive (7 and 9,
// header and data) or the link state (8, in value).
struct Reply
{
    quint16 command = 0;
    quint16 id = 0;
    quint32 value = 0;
    quint8 kind = 0;
    QByteArray first, second;
};
using ReplyMatch = std::function<bool(const Reply&)>;
ReplyMatch valueIs(quint16 id, quint8 kind = 2, qint64 value = -1); // any value when -1

class BlockClient
{
public:
    bool connectTo(quint16 port)
    {
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        return m_socket.waitForConnected(5000);
    }
    void send(const QByteArray& bytes)
    {
        m_socket.write(bytes);
        m_socket.flush();
    }
    QTcpSocket& socket() { return m_socket; }
    // Every whole block received so far; one that is not a reply is noted.
    const QList<Reply>& replies();
    bool malformed() const { return m_malformed; }
    // Forgets the replies decoded so far.
    void clear() { m_replies.clear(); }
    int count(const ReplyMatch& match)
    {
        const QList<Reply>& all = replies();
        return int(std::count_if(all.begin(), all.end(), match));
    }
    bool waitCount(const ReplyMatch& match, int wanted, int timeoutMs = 10000)
    {
        return waitFor([&] { return count(match) >= wanted; }, timeoutMs);
    }
    // Once the server answers, with nothing received kept.
    bool ready()
    {
        send(idRequest(0, {13}));
        const bool ok = waitCount(valueIs(13), 1);
        clear();
        return ok;
    }

private:
    QTcpSocket m_socket;
    QByteArray m_in;
    QList<Reply> m_replies;
    bool m_malformed = false;
};

#endif // SERVICE_CLIENT_H
