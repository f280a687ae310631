#include "service_client.h"

#include "wait_for.h"

#include <QHostAddress>

namespace {

quint16 get16(const QByteArray& b, int at)
{
    return quint16((uchar(b[at]) << 8) | uchar(b[at + 1]));
}

quint32 get32(const QByteArray& b, int at)
{
    return (quint32(get16(b, at)) << 16) | get16(b, at + 2);
}

} // namespace

QByteArray idRequest(quint16 command, const QVector<quint16>& ids)
{
    return serviceRequest(command, [&](QDataStream& out) {
        for (quint16 id : ids)
            out << id;
    });
}

ReplyMatch valueOf(quint16 id, quint8 kind)
{
    return [=](const Reply& r) { return r.command == 3 && r.id == id && r.kind == kind; };
}

ReplyMatch valueIs(quint16 id, quint8 kind, quint32 value)
{
    return [=](const Reply& r) { return r.command == 3 && r.id == id && r.kind == kind && r.value == value; };
}

bool BlockClient::connectTo(quint16 port)
{
    m_socket.connectToHost(QHostAddress::LocalHost, port);
    return m_socket.waitForConnected(5000);
}

void BlockClient::send(const QByteArray& bytes)
{
    m_socket.write(bytes);
    m_socket.flush();
}

const QList<Reply>& BlockClient::replies()
{
    m_in += m_socket.readAll();
    int pos = 0;
    while (m_in.size() - pos >= 2) {
        const int size = get16(m_in, pos);
        if (m_in.size() - pos < 2 + size)
            break;
        const QByteArray body = m_in.mid(pos + 2, size);
        pos += 2 + size;
        Reply r;
        r.command = get16(body, 0);
        int at = 2;
        auto array = [&](QByteArray* out) {
            const quint32 n = get32(body, at);
            at += 4;
            if (n != 0xFFFFFFFFu) {
                *out = body.mid(at, int(n));
                at += int(n);
            }
        };
        switch (r.command) {
        case 3:
            r.id = get16(body, 2);
            r.value = get32(body, 4);
            r.kind = quint8(body[8]);
            at = 9;
            break;
        case 4:
            array(&r.first);
            break;
        case 7:
        case 9:
            array(&r.first);
            array(&r.second);
            break;
        case 8:
            r.kind = quint8(body[2]);
            r.value = get32(body, 3);
            at = 7;
            break;
        default:
            at = -1;
        }
        if (at != size)
            m_malformed = true;
        m_replies.append(r);
    }
    m_in.remove(0, pos);
    return m_replies;
}

void BlockClient::clear()
{
    replies();
    m_replies.clear();
}

int BlockClient::count(const ReplyMatch& match)
{
    int n = 0;
    for (const Reply& r : replies())
        n += match(r) ? 1 : 0;
    return n;
}

bool BlockClient::waitCount(const ReplyMatch& match, int wanted, int timeoutMs)
{
    return waitFor([&] { return count(match) >= wanted; }, timeoutMs);
}

bool BlockClient::ready()
{
    send(idRequest(0, {13}));
    const bool ok = waitCount(valueOf(13), 1);
    clear();
    return ok;
}

bool BlockClient::waitValue(quint16 id, quint8 kind, quint32* value, int timeoutMs)
{
    if (!waitCount(valueOf(id, kind), 1, timeoutMs))
        return false;
    for (const Reply& r : replies())
        if (valueOf(id, kind)(r)) {
            *value = r.value;
            return true;
        }
    return false;
}
