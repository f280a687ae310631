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

// Lines "CMD COUNT", then "ok".
QStringList countLines(const QMap<quint8, quint64>& counts)
{
    QStringList answer;
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
        answer << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    answer << Ok;
    return answer;
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

// One command line: its words, blanks folded.
struct ControlProtocol::Line
{
    const Command* command = nullptr;
    QString text;
    QStringList words;

    const QString& word() const { return words.first(); }
    int count() const { return words.size(); }
    // The file name is the rest of the line after the fixed words, blanks included.
    QString rest(int skip) const
    {
        QString s = text;
        for (int i = 0; i < skip; ++i) {
            s = s.trimmed();
            const int blank = s.indexOf(QRegularExpression(QStringLiteral("\\s")));
            s = blank < 0 ? QString() : s.mid(blank);
        }
        return s.trimmed();
    }
};

// In the order "help" lists them.
const ControlProtocol::Command ControlProtocol::Commands[] = {
    {"set", "ID FLOAT", "a value changed on the controller, as a float", 2, 2, &ControlProtocol::setValue},
    {"setu", "ID UINT", "a value changed on the controller, its raw word in decimal", 2, 2,
     &ControlProtocol::setValueWord},
    {"setraw", "ID HEX8", "a value changed on the controller, its raw word in hexadecimal", 2, 2,
     &ControlProtocol::setValueRaw},
    {"min", "ID FLOAT", "a parameter's minimum", 2, 2, &ControlProtocol::setMinimum},
    {"max", "ID FLOAT", "a parameter's maximum", 2, 2, &ControlProtocol::setMaximum},
    {"physic", "ID UINT", "a parameter's quantity code", 2, 2, &ControlProtocol::setPhysic},
    {"get", "ID", "a value's raw word: ID HEX8", 1, 1, &ControlProtocol::get},
    {"event", "HEX42", "a new event record of 21 bytes; answers its address", 1, 1, &ControlProtocol::event},
    {"memory", "ADDR FILE", "the file's bytes into the controller's memory at ADDR", 2, -1, &ControlProtocol::memory},
    {"image", "FILE", "the file as the software image an update reads", 1, -1, &ControlProtocol::image},
    {"archive", "CMD FILE", "the file as the archive of command 11, 12 or 14", 2, -1, &ControlProtocol::archive},
    {"writes", "", "the writes received, a line ID HEX8 FLAG each", 0, 0, &ControlProtocol::writes},
    {"stats", "", "the requests served, a line CMD COUNT per command", 0, 0, &ControlProtocol::stats},
    {"requests", "", "the requests received (refused and unanswered too), a line CMD COUNT per command", 0, 0,
     &ControlProtocol::requests},
    {"watch", "ID HEX8", "takes the requests counts when that write next arrives", 2, 2, &ControlProtocol::watch},
    {"watched", "", "the counts the watched write took, as requests gives them", 0, 0, &ControlProtocol::watched},
    {"fault", "none|silent|corrupt N|latency MS|refuse N [CMD]", "how the controller answers from now on", 1, 3,
     &ControlProtocol::fault},
    {"quit", "", "ends the emulator", 0, -1, &ControlProtocol::quit},
    {"help", "", "this list", 0, 0, &ControlProtocol::help},
};

// The command as its usage and its help give it: the word and its arguments.
QString ControlProtocol::call(const Command& command)
{
    QString text = QLatin1String(command.name);
    if (*command.arguments)
        text += QLatin1Char(' ') + QLatin1String(command.arguments);
    return text;
}

ControlProtocol::ControlProtocol(ControllerModel* model)
    : m_model(model)
{
}

QStringList ControlProtocol::execute(const QString& line)
{
    Line l;
    l.text = line.trimmed();
    if (l.text.isEmpty())
        return QStringList();
    l.words = l.text.simplified().split(QLatin1Char(' '));
    for (const Command& command : Commands) {
        if (l.word() != QLatin1String(command.name))
            continue;
        const int arguments = l.count() - 1;
        l.command = &command;
        if (arguments < command.minArguments || (command.maxArguments >= 0 && arguments > command.maxArguments))
            return fail(QStringLiteral("usage: ") + call(command));
        return (this->*command.handler)(l);
    }
    return fail(QStringLiteral("unknown command %1").arg(l.word()));
}

// "ID FLOAT" given to one of the model's setters.
QStringList ControlProtocol::withFloat(const Line& line, bool (ControllerModel::*apply)(quint16, float))
{
    quint16 id;
    bool ok = false;
    if (!parseId(line.words.at(1), &id))
        return fail(QStringLiteral("bad id"));
    const float value = line.words.at(2).toFloat(&ok);
    if (!ok)
        return fail(QStringLiteral("bad value"));
    return (m_model->*apply)(id, value) ? QStringList(Ok) : fail(QStringLiteral("unknown id"));
}

// "ID UINT" given to one of the model's setters.
QStringList ControlProtocol::withUnsigned(const Line& line, bool (ControllerModel::*apply)(quint16, quint32))
{
    quint16 id;
    bool ok = false;
    if (!parseId(line.words.at(1), &id))
        return fail(QStringLiteral("bad id"));
    const quint32 value = line.words.at(2).toUInt(&ok, 10);
    if (!ok)
        return fail(QStringLiteral("bad value"));
    return (m_model->*apply)(id, value) ? QStringList(Ok) : fail(QStringLiteral("unknown id"));
}

QStringList ControlProtocol::setValue(const Line& line)
{
    return withFloat(line, &ControllerModel::setFloat);
}

QStringList ControlProtocol::setValueWord(const Line& line)
{
    return withUnsigned(line, &ControllerModel::setRaw);
}

QStringList ControlProtocol::setMinimum(const Line& line)
{
    return withFloat(line, &ControllerModel::setMin);
}

QStringList ControlProtocol::setMaximum(const Line& line)
{
    return withFloat(line, &ControllerModel::setMax);
}

QStringList ControlProtocol::setPhysic(const Line& line)
{
    return withUnsigned(line, &ControllerModel::setPhysic);
}

QStringList ControlProtocol::setValueRaw(const Line& line)
{
    quint16 id;
    quint32 value;
    if (!parseId(line.words.at(1), &id))
        return fail(QStringLiteral("bad id"));
    if (!parseHexWord(line.words.at(2), &value))
        return fail(QStringLiteral("bad raw word"));
    return m_model->setRaw(id, value) ? QStringList(Ok) : fail(QStringLiteral("unknown id"));
}

QStringList ControlProtocol::get(const Line& line)
{
    quint16 id;
    if (!parseId(line.words.at(1), &id))
        return fail(QStringLiteral("bad id"));
    if (!m_model->hasParameter(id))
        return fail(QStringLiteral("unknown id"));
    return QStringList() << QStringLiteral("%1 %2").arg(id).arg(hex8(m_model->raw(id))) << Ok;
}

QStringList ControlProtocol::event(const Line& line)
{
    const QString& hex = line.words.at(1);
    const QByteArray record = QByteArray::fromHex(hex.toLatin1());
    if (hex.size() != 2 * ControllerModel::EventRecordSize || record.size() != ControllerModel::EventRecordSize
        || hex.contains(QRegularExpression(QStringLiteral("[^0-9A-Fa-f]"))))
        return fail(QStringLiteral("an event record is 42 hex digits"));
    const quint32 address = m_model->addEvent(record);
    return QStringList() << QStringLiteral("0x%1").arg(hex8(address)) << Ok;
}

QStringList ControlProtocol::memory(const Line& line)
{
    quint32 address;
    if (!parseU32(line.words.at(1), &address))
        return fail(QStringLiteral("bad address"));
    QByteArray bytes;
    QString reason;
    if (!readFile(line.rest(2), &bytes, &reason))
        return fail(reason);
    m_model->writeMemory(address, bytes);
    return QStringList(Ok);
}

QStringList ControlProtocol::image(const Line& line)
{
    QByteArray bytes;
    QString reason;
    if (!readFile(line.rest(1), &bytes, &reason))
        return fail(reason);
    m_model->loadImage(bytes);
    return QStringList(Ok);
}

QStringList ControlProtocol::archive(const Line& line)
{
    bool ok = false;
    const uint command = line.words.at(1).toUInt(&ok, 10);
    if (!ok || (command != ControllerModel::CmdReadArchive && command != ControllerModel::CmdReadArchiveCompressed
                && command != ControllerModel::CmdReadArchiveCompressedRN))
        return fail(QStringLiteral("archive commands are 11, 12 and 14"));
    QByteArray bytes;
    QString reason;
    if (!readFile(line.rest(2), &bytes, &reason))
        return fail(reason);
    m_model->setArchive(static_cast<quint8>(command), bytes);
    return QStringList(Ok);
}

QStringList ControlProtocol::writes(const Line&)
{
    quint64 dropped = 0;
    const QVector<ControllerModel::WriteRecord> writes = m_model->writes(&dropped);
    QStringList answer;
    answer.reserve(writes.size() + 2);
    for (const ControllerModel::WriteRecord& w : writes)
        answer << QStringLiteral("%1 %2 %3").arg(w.id).arg(hex8(w.raw)).arg(w.flag);
    // The older writes let go of: one space, so that no reader of the
    // "ID HEX8 FLAG" lines takes it for a write.
    if (dropped > 0)
        answer << QStringLiteral("dropped %1").arg(dropped);
    answer << Ok;
    return answer;
}

QStringList ControlProtocol::stats(const Line&)
{
    return countLines(m_model->stats());
}

QStringList ControlProtocol::requests(const Line&)
{
    return countLines(m_model->received());
}

QStringList ControlProtocol::watch(const Line& line)
{
    quint16 id;
    quint32 raw;
    if (!parseId(line.words.at(1), &id))
        return fail(QStringLiteral("bad id"));
    if (!parseHexWord(line.words.at(2), &raw))
        return fail(QStringLiteral("bad raw word"));
    m_model->watchWrite(id, raw);
    return QStringList(Ok);
}

QStringList ControlProtocol::watched(const Line&)
{
    QMap<quint8, quint64> counts;
    QString why;
    if (!m_model->receivedAtWatchedWrite(&counts, &why))
        return fail(why);
    return countLines(counts);
}

QStringList ControlProtocol::fault(const Line& line)
{
    const QStringList& words = line.words;
    const int count = line.count();
    const QString kind = words.at(1);
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
    return fail(QStringLiteral("usage: ") + call(*line.command));
}

QStringList ControlProtocol::quit(const Line&)
{
    m_quit = true;
    return QStringList(Ok);
}

QStringList ControlProtocol::help(const Line&)
{
    QStringList answer;
    for (const Command& command : Commands)
        answer << QStringLiteral("%1  %2").arg(call(command), -22).arg(QLatin1String(command.help));
    answer << Ok;
    return answer;
}
