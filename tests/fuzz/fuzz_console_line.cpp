// Feeds arbitrary bytes to the console line parser, cut into pieces the way
// TCP might deliver them, and interprets every line it yields: lines never
// hold a line feed or exceed the cap, nothing is held beyond it, and every
// line gets one of the console's answers or none.
#include "consolelineparser.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void interpret(const QByteArray& line)
{
    check(!line.contains('\n') && line.size() <= ConsoleLineParser::MaxLine);
    const ConsoleLineParser::Command command = ConsoleLineParser::interpret(line);
    const QByteArray& answer = command.action == ConsoleLineParser::Action::Get
                                   ? ConsoleLineParser::getAnswer(command.id, float(line.size()))
                                   : command.answer;
    check(command.value == command.value); // never NaN
    check(answer.isEmpty() || ((answer.startsWith("[I] ") || answer.startsWith("[E] ") || answer.startsWith("El "))
                               && answer.indexOf('\n') == answer.size() - 1));
    check(command.action != ConsoleLineParser::Action::Set || answer == "[I] added to queue\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses how the stream is cut: 0 all at once, else
    // pieces of 16 times that many bytes.
    const int step = data[0] == 0 ? int(size) : int(data[0]) * 16;
    const QByteArray input(reinterpret_cast<const char*>(data + 1), int(size - 1));
    ConsoleLineParser parser;
    QByteArray line;
    for (int at = 0; at < input.size(); at += step) {
        parser.append(input.mid(at, step));
        while (parser.nextLine(&line))
            interpret(line);
        check(!parser.hasLine() && parser.buffered() <= ConsoleLineParser::MaxLine);
    }
    if (parser.takeFragment(&line))
        interpret(line);
    check(parser.buffered() == 0 && parser.takeDroppedLines() >= 0);
    interpret(input.left(ConsoleLineParser::MaxLine).replace('\n', ' ')); // the whole input as one line
    return 0;
}
