#ifndef SERVICE_CLIENT_H
#define SERVICE_CLIENT_H

#include <QByteArray>
#include <QDataStream>
#include <QList>
#include <QTcpSocket>
#include <QVector>
#include <functional>

// --- requests as a service program writes them (QDataStream version 7) ----

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

// --- a client that decodes the replies on its own -------------------------

struct Reply
{
    quint16 command = 0;
    quint16 id = 0;
    quint32 value = 0;
    quint8 kind = 0;
    // The byte arrays of events (command 4) and archives (7 and 9).
    QByteArray first;
    QByteArray second;
};

using ReplyMatch = std::function<bool(const Reply&)>;
// A value reply (command 3) of id and kind; of that value too when one is given.
ReplyMatch valueOf(quint16 id, quint8 kind = 2);
ReplyMatch valueIs(quint16 id, quint8 kind, quint32 value);

class BlockClient
{
public:
    bool connectTo(quint16 port);
    void send(const QByteArray& bytes);
    QTcpSocket& socket() { return m_socket; }

    // Decodes every whole block received so far; a malformed reply is noted.
    const QList<Reply>& replies();
    bool malformed() const { return m_malformed; }
    // Forgets what was received so far.
    void clear();
    int count(const ReplyMatch& match);
    bool waitCount(const ReplyMatch& match, int wanted, int timeoutMs = 30000);
    // Returns once the server has set the connection up (it answers), with
    // nothing received kept.
    bool ready();
    // The first value reply for (id, kind), waiting for it.
    bool waitValue(quint16 id, quint8 kind, quint32* value, int timeoutMs = 30000);

private:
    QTcpSocket m_socket;
    QByteArray m_in;
    QList<Reply> m_replies;
    bool m_malformed = false;
};

#endif // SERVICE_CLIENT_H
