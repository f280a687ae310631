#include "service_client.h"

QByteArray idRequest(quint16 command, const QVector<quint16>& ids)
{
    return serviceRequest(command, [&](QDataStream& out) {
        for (quint16 id : ids)
            out << id;
    });
}

ReplyMatch valueIs(quint16 id, quint8 kind, qint64 value)
{
    return [=](const Reply& r) { return r.command == 3 && r.id == id && r.kind == kind && (value < 0 || r.value == value); };
}

const QList<Reply>& BlockClient::replies()
{
    m_in += m_socket.readAll();
    int pos = 0;
    while (m_in.size() - pos >= 2) {
        const int size = quint8(m_in[pos]) << 8 | quint8(m_in[pos + 1]);
        if (m_in.size() - pos - 2 < size)
            break;
        QDataStream in(m_in.mid(pos + 2, size));
        in.setVersion(QDataStream::Qt_4_0);
        pos += 2 + size;
        Reply r;
        in >> r.command;
        if (r.command == 3)
            in >> r.id >> r.value >> r.kind;
        else if (r.command == 8)
            in >> r.kind >> r.value;
        else if (r.command == 4 || r.command == 7 || r.command == 9)
            in >> r.first;
        if (r.command == 7 || r.command == 9)
            in >> r.second;
        const bool known = r.command == 3 || r.command == 4 || r.command == 7 || r.command == 8 || r.command == 9;
        m_malformed |= !known || in.status() != QDataStream::Ok || !in.atEnd();
        m_replies.append(r);
    }
    m_in.remove(0, pos);
    return m_replies;
}
