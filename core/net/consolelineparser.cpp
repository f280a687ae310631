#include "consolelineparser.h"
#include "number_text.h"
#include "saturate.h"

#include <QString>
#include <QStringList>
#include <cmath>
#include <limits>

const char ConsoleLineParser::HelpText[] = "[I] Use close for close session.\n"
                                           "[I] Use set param_id param_value for send register over SPI.\n"
                                           "[I] Use setb param_id param_value for update register at bank.\n"
                                           "[I] Use get param_id for get reg value\n";

namespace {

const char AddedToQueue[] = "[I] added to queue\n";
const char ByeBye[] = "[I] Bye Bye\n";

void chopCarriageReturns(QByteArray* line)
{
    while (line->endsWith('\r'))
        line->chop(1);
}

// A decimal integer of any sign; the id is its low 16 bits.
bool parseId(const QString& text, quint16* id)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok)
        return false;
    *id = static_cast<quint16>(static_cast<qulonglong>(value) & 0xFFFFu);
    return true;
}

// A finite number that the target can hold: a float for "set", an unsigned
// 32-bit word for "setb" (negative numbers are 0 there, the fraction goes).
bool parseNumber(const QString& text, double* value)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return false;
    *value = number;
    return true;
}

bool parseFloat(const QString& text, float* value)
{
    double number = 0.0;
    if (!parseNumber(text, &number) || std::fabs(number) > double(std::numeric_limits<float>::max()))
        return false;
    *value = static_cast<float>(number);
    return true;
}

bool parseRaw(const QString& text, quint32* raw)
{
    double number = 0.0;
    if (!parseNumber(text, &number) || number >= 4294967296.0)
        return false;
    *raw = saturatingCast<quint32>(number);
    return true;
}

} // namespace

// --- lines ---------------------------------------------------------------------

void ConsoleLineParser::compact()
{
    if (m_pos == 0)
        return;
    m_buffer.remove(0, m_pos);
    m_pos = 0;
}

void ConsoleLineParser::append(const QByteArray& bytes)
{
    compact();
    int start = 0;
    if (m_discarding) {
        const int lf = bytes.indexOf('\n');
        if (lf < 0)
            return;
        m_discarding = false;
        start = lf + 1;
    }
    m_buffer.append(bytes.constData() + start, bytes.size() - start);
    // Keep no more of an unfinished line than a line may hold.
    const int tail = m_buffer.lastIndexOf('\n') + 1;
    if (m_buffer.size() - tail > MaxLine) {
        m_buffer.truncate(tail);
        m_discarding = true;
        ++m_dropped;
    }
}

bool ConsoleLineParser::nextLine(QByteArray* line)
{
    for (;;) {
        const int lf = m_buffer.indexOf('\n', m_pos);
        if (lf < 0)
            return false;
        const int length = lf - m_pos;
        const int start = m_pos;
        m_pos = lf + 1;
        if (length > MaxLine) {
            ++m_dropped;
            continue;
        }
        *line = m_buffer.mid(start, length);
        chopCarriageReturns(line);
        if (m_pos == m_buffer.size()) {
            m_buffer.clear();
            m_pos = 0;
        }
        return true;
    }
}

bool ConsoleLineParser::hasLine() const
{
    return m_buffer.indexOf('\n', m_pos) >= 0;
}

bool ConsoleLineParser::hasFragment() const
{
    return m_discarding || (buffered() > 0 && !m_buffer.endsWith('\n'));
}

bool ConsoleLineParser::takeFragment(QByteArray* line)
{
    if (hasLine())
        return false;
    if (m_discarding) {
        // The quiet ends the dropped line too: the next bytes start afresh.
        m_discarding = false;
        return false;
    }
    if (buffered() == 0)
        return false;
    *line = m_buffer.mid(m_pos);
    chopCarriageReturns(line);
    m_buffer.clear();
    m_pos = 0;
    return true;
}

int ConsoleLineParser::takeDroppedLines()
{
    const int dropped = m_dropped;
    m_dropped = 0;
    return dropped;
}

// --- commands --------------------------------------------------------------------

ConsoleLineParser::Command ConsoleLineParser::interpret(const QByteArray& line)
{
    Command command;
    const int zero = line.indexOf('\0');
    const QString text = QString::fromUtf8(zero < 0 ? line : line.left(zero));
    // Split at every single blank, keeping empty parts: "get  13" has three.
    QStringList parts = text.split(QLatin1Char(' '));
    for (QString& part : parts)
        part = part.trimmed();
    const QString word = parts.first();

    if (word == QLatin1String("close")) {
        command.action = Action::Close;
        command.answer = ByeBye;
        return command;
    }
    if (word == QLatin1String("get")) {
        if (parts.size() != 2)
            command.answer = "[E] Not enough params. Use get param_id\n";
        else if (!parseId(parts.at(1), &command.id))
            command.answer = "[E] Not recognized param_id. Use get param_id\n";
        else
            command.action = Action::Get;
        return command;
    }
    if (word == QLatin1String("set")) {
        if (parts.size() != 3)
            command.answer = "[E] Not enough params. Use set param_id param_value\n";
        else if (!parseId(parts.at(1), &command.id))
            command.answer = "[E] Not recognized param_id. Use set param_id param_value\n";
        else if (!parseFloat(parts.at(2), &command.value))
            command.answer = "[E] Not recognized param_value. Use set param_id param_value\n";
        else {
            command.action = Action::Set;
            command.answer = AddedToQueue;
        }
        return command;
    }
    if (word == QLatin1String("setb")) {
        if (parts.size() != 3)
            command.answer = "[E] Not enough params. Use setb param_id param_value\n";
        else if (!parseId(parts.at(1), &command.id))
            command.answer = "[E] Not recognized param_id. Use setb param_id param_value\n";
        else if (!parseRaw(parts.at(2), &command.raw))
            command.answer = "[E] Not recognized param_value. Use setb param_id param_value\n";
        else {
            command.action = Action::SetBank;
            command.answer = AddedToQueue;
        }
        return command;
    }
    return command;
}

QByteArray ConsoleLineParser::getAnswer(quint16 id, float value)
{
    return QStringLiteral("El %1 is %2\n").arg(id).arg(numberText(double(value))).toUtf8();
}
