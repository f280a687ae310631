#ifndef CONTROL_PROTOCOL_H
#define CONTROL_PROTOCOL_H

#include <QString>
#include <QStringList>

class ControllerModel;

// The emulator's control language, one command a line; tools outside the
// project use it, so its words and answers stay as they are. Each command is
// an entry of one table (its word, its arguments, a line of help and its
// handler), and "help" lists that table, a line a command.
// "stats" counts the requests served, "requests" every request received
// (served, refused, failed or unanswered), each one line "CMD COUNT" per
// command code. "watch" arms a picture of the "requests" counts taken when
// the next write of ID with that raw word arrives; "watched" answers it in
// the lines of "requests". Every answer ends with a line "ok" or
// "error: <reason>".
class ControlProtocol
{
public:
    explicit ControlProtocol(ControllerModel* model);

    // The answer lines to one command line; none for a blank line.
    QStringList execute(const QString& line);
    // True once "quit" was answered.
    bool quitRequested() const { return m_quit; }

private:
    struct Line;
    using Handler = QStringList (ControlProtocol::*)(const Line&);
    struct Command
    {
        const char* name;
        const char* arguments;
        const char* help;
        // Words after the name: at least, and at most (-1: any number).
        int minArguments, maxArguments;
        Handler handler;
    };
    static const Command Commands[];
    static QString call(const Command& command);

    QStringList withFloat(const Line& line, bool (ControllerModel::*apply)(quint16, float));
    QStringList withUnsigned(const Line& line, bool (ControllerModel::*apply)(quint16, quint32));

    QStringList setValue(const Line& line);
    QStringList setValueWord(const Line& line);
    QStringList setValueRaw(const Line& line);
    QStringList setMinimum(const Line& line);
    QStringList setMaximum(const Line& line);
    QStringList setPhysic(const Line& line);
    QStringList get(const Line& line);
    QStringList event(const Line& line);
    QStringList memory(const Line& line);
    QStringList image(const Line& line);
    QStringList archive(const Line& line);
    QStringList writes(const Line& line);
    QStringList stats(const Line& line);
    QStringList requests(const Line& line);
    QStringList watch(const Line& line);
    QStringList watched(const Line& line);
    QStringList fault(const Line& line);
    QStringList quit(const Line& line);
    QStringList help(const Line& line);

    ControllerModel* m_model;
    bool m_quit = false;
};

#endif // CONTROL_PROTOCOL_H
