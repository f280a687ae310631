// Feeds arbitrary bytes to the console line parser, cut into pieces the way
// TCP might deliver them, and interprets every line it yields: lines never
// hold a line feed or exceed the cap, the unterminated rest stays within it,
// and every line gets one of the console's answers or none.
#include "consolelineparser.h"

#include <QByteArray>
#include <QSet>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

const QSet<QByteArray>& fixedAnswers()
{
    static const QSet<QByteArray> answers = [] {
        QSet<QByteArray> a;
        for (const char* text :
             {"", "[I] Bye Bye\n", "[I] added to queue\n", "[E] Not enough params. Use get param_id\n",
              "[E] Not recognized param_id. Use get param_id\n",
              "[E] Not enough params. Use set param_id param_value\n",
              "[E] Not recognized param_id. Use set param_id param_value\n",
              "[E] Not recognized param_value. Use set param_id param_value\n",
              "[E] Not enough params. Use setb param_id param_value\n",
              "[E] Not recognized param_id. Use setb param_id param_value\n",
              "[E] Not recognized param_value. Use setb param_id param_value\n"})
            a.insert(QByteArray(text));
        return a;
    }();
    return answers;
}

void interpret(const QByteArray& line)
{
    const ConsoleLineParser::Command command = ConsoleLineParser::interpret(line);
    switch (command.action) {
    case ConsoleLineParser::Action::Get: {
        check(command.answer.isEmpty());
        float value;
        std::memcpy(&value, line.constData(), qMin<size_t>(sizeof value, size_t(line.size())));
        const QByteArray answer = ConsoleLineParser::getAnswer(command.id, value);
        check(answer.startsWith("El ") && answer.endsWith("\n"));
        break;
    }
    case ConsoleLineParser::Action::Set:
        check(command.value == command.value); // never NaN
        check(command.answer == "[I] added to queue\n");
        break;
    case ConsoleLineParser::Action::SetBank:
    case ConsoleLineParser::Action::Close:
    case ConsoleLineParser::Action::None:
        check(fixedAnswers().contains(command.answer));
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const int step = data[0] == 0 ? int(size) : int(data[0]) * 16;
    const QByteArray input(reinterpret_cast<const char*>(data + 1), int(size - 1));

    ConsoleLineParser parser;
    QByteArray line;
    for (int at = 0; at < input.size(); at += step) {
        parser.append(input.mid(at, step));
        while (parser.nextLine(&line)) {
            check(!line.contains('\n'));
            check(line.size() <= ConsoleLineParser::MaxLine);
            interpret(line);
        }
        check(!parser.hasLine());
        check(parser.buffered() <= ConsoleLineParser::MaxLine);
    }
    if (parser.takeFragment(&line)) {
        check(!line.contains('\n') && line.size() <= ConsoleLineParser::MaxLine);
        interpret(line);
    }
    // Everything has been taken as a line or dropped.
    check(parser.buffered() == 0);
    check(parser.takeDroppedLines() >= 0);

    // The whole input as one line, whatever it holds.
    interpret(input);
    return 0;
}
