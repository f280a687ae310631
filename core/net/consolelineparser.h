#ifndef CONSOLELINEPARSER_H
#define CONSOLELINEPARSER_H

#include <QByteArray>
#include <QtGlobal>

// The console's input: cuts the byte stream of a port-4321 client into
// command lines and turns one line into a command and its answer. Lines end
// at a line feed (a carriage return before it is dropped), so the way TCP
// happens to cut or join segments never splits or merges commands; the
// caller hands over an unterminated rest as a line once the client has gone
// quiet. A line longer than MaxLine is dropped whole. Kept free of sockets
// so it can be fed bytes directly.
class ConsoleLineParser
{
public:
    static constexpr int MaxLine = 1024;

    enum class Action { None, Close, Get, Set, SetBank };

    struct Command
    {
        Action action = Action::None;
        quint16 id = 0;
        float value = 0.0f; // Set
        quint32 raw = 0;    // SetBank
        // The answer to write; for Get, made with getAnswer() once the value
        // has been read. Empty when the line gets no answer.
        QByteArray answer;
    };

    static const char HelpText[];

    void append(const QByteArray& bytes);
    // Takes the next line ended by a line feed; false when none is complete.
    bool nextLine(QByteArray* line);
    // True when a line ended by a line feed waits to be taken.
    bool hasLine() const;
    // True when bytes after the last line feed wait for the rest of their
    // line (or a dropped line waits for its end).
    bool hasFragment() const;
    // Takes the unterminated rest as a line (the client went quiet); false
    // when there is none or complete lines are still waiting.
    bool takeFragment(QByteArray* line);
    // Lines dropped for their length since the last call.
    int takeDroppedLines();
    int buffered() const { return m_buffer.size() - m_pos; }

    static Command interpret(const QByteArray& line);
    static QByteArray getAnswer(quint16 id, float value);

private:
    void compact();

    QByteArray m_buffer;
    int m_pos = 0;
    // Inside a line already too long: everything up to its line feed goes.
    bool m_discarding = false;
    int m_dropped = 0;
};

#endif // CONSOLELINEPARSER_H
