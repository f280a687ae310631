#ifndef CONTROL_CONNECTION_H
#define CONTROL_CONNECTION_H

#include <QByteArray>
#include <QObject>
#include <deque>

class ControlProtocol;
class LogThrottle;
class QSocketNotifier;

// One client of the control socket, on a non-blocking stream descriptor it
// owns. It keeps reading the client's lines while their answers wait to be
// written, and closes only when the client has ended its input and taken
// every answer: a client may write all its commands, close its sending side
// and only then read. A client that leaves more than MaxUnreadAnswerBytes of
// answers unread is dropped as soon as the line that passed the cap has run,
// so the emulator holds at most the cap and one answer for it.
class ControlConnection : public QObject
{
    Q_OBJECT
public:
    // Far above any answer the language gives (a "writes" of
    // ControllerModel::MaxWriteRecords lines included), far below what would
    // matter to the machine.
    static constexpr int MaxUnreadAnswerBytes = 4 * 1024 * 1024;
    // The longest line the language has is a few dozen bytes ("event" and
    // its 42 digits, a file's path): more without an end is no command, and
    // the client is dropped rather than held in memory without a limit.
    static constexpr int MaxLineBytes = 64 * 1024;

    // The lines on dropped clients go through log, shared by the server's
    // clients.
    ControlConnection(int fd, ControlProtocol* protocol, LogThrottle* log, QObject* parent);
    ~ControlConnection() override;

    // Reads no more lines; the connection closes once the answers to those
    // it read are taken.
    void endInput();
    // Hands the socket what it takes of the waiting answers without waiting,
    // and closes the connection.
    void closeNow();

signals:
    // The client sent "quit"; its answer went to the socket if it had room.
    void signalQuitRequested();
    // The connection is closed; the object goes at the next turn of the loop.
    void signalClosed();

private slots:
    void slotReadable();
    void slotWritable();

private:
    void execute(const QByteArray& line);
    // After a line has run: false when its answer took the client past the
    // cap of unread answers and the client was dropped.
    bool withinCap();
    // Writes what the socket takes; false when the client is gone.
    bool writeAnswers();
    void finish();

    int m_fd;
    ControlProtocol* m_protocol;
    LogThrottle* m_log;
    QSocketNotifier* m_readNotifier;
    QSocketNotifier* m_writeNotifier;
    // The start of a line whose end has not come yet.
    QByteArray m_input;
    // Answers, in blocks; the first m_written bytes of the first block are
    // already written.
    std::deque<QByteArray> m_output;
    int m_written = 0;
    int m_unread = 0;
    bool m_inputEnded = false;
};

#endif // CONTROL_CONNECTION_H
