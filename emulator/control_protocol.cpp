#include "control_protocol.h"
#include "controller_model.h"

#include <QFile>
#include <QRegularExpression>

namespace {

const QString Ok = QStringLiteral("ok");

QStringList fail(const QString& reason)
{
    return QStringList() << QStringLiteral("error: ") + reason;
}

QString hex8(quint32 value)
{
    return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

bool parseId(const QString& text, quint16* id)
{
    bool ok = false;
    const uint v = text.toUInt(&ok, 10);
    if (!ok || v > 0xFFFF)
        return false;
    *id = static_cast<quint16>(v);
    return true;
}

// Decimal, or hexadecimal with 0x.
bool parseU32(const QString& text, quint32* value)
{
    bool ok = false;
    const uint v = text.toUInt(&ok, 0);
    *value = v;
    return ok;
}

// A refusal of a code the link never sends would refuse nothing: a mistyped
// fault run must say so rather than answer "ok" and test nothing.
bool isLinkCommand(int command)
{
    using M = ControllerModel;
    for (int known : {M::CmdStatus, M::CmdReadValues, M::CmdWriteValues, M::CmdChanges, M::CmdNewEvents,
                      M::CmdReadEvents, M::CmdReadMin, M::CmdReadMax, M::CmdReadMemory, M::CmdReadArchive,
                      M::CmdReadArchiveCompressed, M::CmdScadaWrite, M::CmdReadArchiveCompressedRN, M::CmdReadPhysic})
        if (command == known)
            return true;
    return false;
}

bool parseHexWord(QString text, quint32* value)
{
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        text = text.mid(2);
    if (text.isEmpty() || text.size() > 8)
        return false;
    bool ok = false;
    *value = text.toUInt(&ok, 16);
    return ok;
}

bool readFile(const QString& path, QByteArray* bytes, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    *bytes = file.readAll();
    return true;
}

} // namespace

ControlProtocol::ControlProtocol(ControllerModel* model)
    : m_model(model)
{
}

QStringList ControlProtocol::execute(const QString& line)
{
    const QString text = line.trimmed();
    if (text.isEmpty())
        return QStringList();
    const QStringList words = text.simplified().split(QLatin1Char(' '));
    const QString& word = words.first();
    const int count = words.size();

    // The file name is the rest of the line after the fixed words, blanks included.
    auto rest = [&](int skip) {
        QString s = text;
        for (int i = 0; i < skip; ++i) {
            s = s.trimmed();
            const int blank = s.indexOf(QRegularExpression(QStringLiteral("\\s")));
            s = blank < 0 ? QString() : s.mid(blank);
        }
        return s.trimmed();
    };

    if (word == QLatin1String("set") || word == QLatin1String("min") || word == QLatin1String("max")) {
        quint16 id;
        bool ok = false;
        if (count != 3)
            return fail(QStringLiteral("usage: %1 ID FLOAT").arg(word));
        if (!parseId(words.at(1), &id))
            return fail(QStringLiteral("bad id"));
        const float value = words.at(2).toFloat(&ok);
        if (!ok)
            return fail(QStringLiteral("bad value"));
        const bool known = word == QLatin1String("set")   ? m_model->setFloat(id, value)
                           : word == QLatin1String("min") ? m_model->setMin(id, value)
                                                          : m_model->setMax(id, value);
        return known ? QStringList(Ok) : fail(QStringLiteral("unknown id"));
    }
    if (word == QLatin1String("setu") || word == QLatin1String("physic")) {
        quint16 id;
        bool ok = false;
        if (count != 3)
            return fail(QStringLiteral("usage: %1 ID UINT").arg(word));
        if (!parseId(words.at(1), &id))
            return fail(QStringLiteral("bad id"));
        const quint32 value = words.at(2).toUInt(&ok, 10);
        if (!ok)
            return fail(QStringLiteral("bad value"));
        const bool known = word == QLatin1String("setu") ? m_model->setRaw(id, value) : m_model->setPhysic(id, value);
        return known ? QStringList(Ok) : fail(QStringLiteral("unknown id"));
    }
    if (word == QLatin1String("setraw")) {
        quint16 id;
        quint32 value;
        if (count != 3)
            return fail(QStringLiteral("usage: setraw ID HEX8"));
        if (!parseId(words.at(1), &id))
            return fail(QStringLiteral("bad id"));
        if (!parseHexWord(words.at(2), &value))
            return fail(QStringLiteral("bad raw word"));
        return m_model->setRaw(id, value) ? QStringList(Ok) : fail(QStringLiteral("unknown id"));
    }
    if (word == QLatin1String("get")) {
        quint16 id;
        if (count != 2)
            return fail(QStringLiteral("usage: get ID"));
        if (!parseId(words.at(1), &id))
            return fail(QStringLiteral("bad id"));
        if (!m_model->hasParameter(id))
            return fail(QStringLiteral("unknown id"));
        return QStringList() << QStringLiteral("%1 %2").arg(id).arg(hex8(m_model->raw(id))) << Ok;
    }
    if (word == QLatin1String("event")) {
        if (count != 2)
            return fail(QStringLiteral("usage: event HEX42"));
        const QByteArray record = QByteArray::fromHex(words.at(1).toLatin1());
        if (words.at(1).size() != 2 * ControllerModel::EventRecordSize
            || record.size() != ControllerModel::EventRecordSize
            || words.at(1).contains(QRegularExpression(QStringLiteral("[^0-9A-Fa-f]"))))
            return fail(QStringLiteral("an event record is 42 hex digits"));
        const quint32 address = m_model->addEvent(record);
        return QStringList() << QStringLiteral("0x%1").arg(hex8(address)) << Ok;
    }
    if (word == QLatin1String("memory")) {
        quint32 address;
        if (count < 3)
            return fail(QStringLiteral("usage: memory ADDR FILE"));
        if (!parseU32(words.at(1), &address))
            return fail(QStringLiteral("bad address"));
        QByteArray bytes;
        QString reason;
        if (!readFile(rest(2), &bytes, &reason))
            return fail(reason);
        m_model->writeMemory(address, bytes);
        return QStringList(Ok);
    }
    if (word == QLatin1String("image")) {
        if (count < 2)
            return fail(QStringLiteral("usage: image FILE"));
        QByteArray bytes;
        QString reason;
        if (!readFile(rest(1), &bytes, &reason))
            return fail(reason);
        m_model->loadImage(bytes);
        return QStringList(Ok);
    }
    if (word == QLatin1String("archive")) {
        bool ok = false;
        if (count < 3)
            return fail(QStringLiteral("usage: archive CMD FILE"));
        const uint command = words.at(1).toUInt(&ok, 10);
        if (!ok || (command != ControllerModel::CmdReadArchive && command != ControllerModel::CmdReadArchiveCompressed
                    && command != ControllerModel::CmdReadArchiveCompressedRN))
            return fail(QStringLiteral("archive commands are 11, 12 and 14"));
        QByteArray bytes;
        QString reason;
        if (!readFile(rest(2), &bytes, &reason))
            return fail(reason);
        m_model->setArchive(static_cast<quint8>(command), bytes);
        return QStringList(Ok);
    }
    if (word == QLatin1String("writes")) {
        if (count != 1)
            return fail(QStringLiteral("usage: writes"));
        QStringList answer;
        const QVector<ControllerModel::WriteRecord> writes = m_model->writes();
        for (const ControllerModel::WriteRecord& w : writes)
            answer << QStringLiteral("%1 %2 %3").arg(w.id).arg(hex8(w.raw)).arg(w.flag);
        answer << Ok;
        return answer;
    }
    if (word == QLatin1String("stats") || word == QLatin1String("requests")) {
        if (count != 1)
            return fail(QStringLiteral("usage: %1").arg(word));
        QStringList answer;
        const QMap<quint8, quint64> counts = word == QLatin1String("stats") ? m_model->stats() : m_model->received();
        for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
            answer << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        answer << Ok;
        return answer;
    }
    if (word == QLatin1String("watch")) {
        quint16 id;
        quint32 raw;
        if (count != 3)
            return fail(QStringLiteral("usage: watch ID HEX8"));
        if (!parseId(words.at(1), &id))
            return fail(QStringLiteral("bad id"));
        if (!parseHexWord(words.at(2), &raw))
            return fail(QStringLiteral("bad raw word"));
        m_model->watchWrite(id, raw);
        return QStringList(Ok);
    }
    if (word == QLatin1String("watched")) {
        if (count != 1)
            return fail(QStringLiteral("usage: watched"));
        QMap<quint8, quint64> counts;
        QString why;
        if (!m_model->receivedAtWatchedWrite(&counts, &why))
            return fail(why);
        QStringList answer;
        for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
            answer << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        answer << Ok;
        return answer;
    }
    if (word == QLatin1String("fault")) {
        const QString kind = words.value(1);
        if (count == 2 && kind == QLatin1String("none")) {
            m_model->setFault(ControllerModel::Fault::None);
            return QStringList(Ok);
        }
        if (count == 2 && kind == QLatin1String("silent")) {
            m_model->setFault(ControllerModel::Fault::Silent);
            return QStringList(Ok);
        }
        const QStringList counted{QStringLiteral("corrupt"), QStringLiteral("latency"), QStringLiteral("refuse")};
        // "refuse N CMD" refuses only requests of one command.
        const bool withCommand = count == 4 && kind == QLatin1String("refuse");
        if ((count == 3 || withCommand) && counted.contains(kind)) {
            bool ok = false;
            const int n = words.at(2).toInt(&ok, 10);
            if (!ok || n < 0)
                return fail(QStringLiteral("bad number"));
            int command = -1;
            if (withCommand) {
                command = words.at(3).toInt(&ok, 10);
                if (!ok || !isLinkCommand(command))
                    return fail(QStringLiteral("bad command"));
            }
            const ControllerModel::Fault faults[] = {ControllerModel::Fault::Corrupt, ControllerModel::Fault::Latency,
                                                     ControllerModel::Fault::Refuse};
            m_model->setFault(faults[counted.indexOf(kind)], n, command);
            return QStringList(Ok);
        }
        return fail(QStringLiteral("usage: fault none|silent|corrupt N|latency MS|refuse N [CMD]"));
    }
    if (word == QLatin1String("quit")) {
        m_quit = true;
        return QStringList(Ok);
    }
    return fail(QStringLiteral("unknown command %1").arg(word));
}
