#ifndef CONTROL_PROTOCOL_H
#define CONTROL_PROTOCOL_H

#include <QString>
#include <QStringList>

class ControllerModel;

// The emulator's control language, one command a line; tools outside the
// project use it, so its words and answers stay as they are:
//   set ID FLOAT | setu ID UINT | setraw ID HEX8 | min ID FLOAT | max ID FLOAT
//   physic ID UINT | get ID | event HEX42 | memory ADDR FILE | image FILE
//   archive CMD FILE | writes | stats | requests | fault none|silent|corrupt N|latency MS|refuse N [CMD] | quit
//   watch ID HEX8 | watched
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
    ControllerModel* m_model;
    bool m_quit = false;
};

#endif // CONTROL_PROTOCOL_H
