#ifndef CONTROL_CONNECTION_H
#define CONTROL_CONNECTION_H

#include <QByteArray>
#include <QObject>

class ControlProtocol;
class QSocketNotifier;

// One client of the control socket, on a non-blocking stream descriptor it
// owns. It keeps reading the client's lines while their answers wait to be
// written, and closes only when the client has ended its input and taken
// every answer: a client may write all its commands, close its sending side
// and only then read. A client that leaves more than MaxUnreadAnswerBytes of
// answers unread is dropped, so it cannot hold the emulator's memory.
class ControlConnection : public QObject
{
    Q_OBJECT
public:
    // Far above any answer the language gives (a "writes" of a long run
    // included), far below what would matter to the machine.
    static constexpr int MaxUnreadAnswerBytes = 4 * 1024 * 1024;
    // The longest line the language has is a few dozen bytes ("event" and
    // its 42 digits, a file's path): more without an end is no command, and
    // the client is dropped rather than held in memory without a limit.
    static constexpr int MaxLineBytes = 64 * 1024;

    ControlConnection(int fd, ControlProtocol* protocol, QObject* parent);
    ~ControlConnection() override;

    // Hands the socket what it takes of the waiting answers without waiting,
    // and closes the connection.
    void closeNow();

signals:
    // The client sent "quit"; its answer went to the socket if it had room.
    void signalQuitRequested();

private slots:
    void slotReadable();
    void slotWritable();

private:
    void execute(const QByteArray& line);
    // Writes what the socket takes; false when the client is gone.
    bool writeAnswers();
    void finish();

    int m_fd;
    ControlProtocol* m_protocol;
    QSocketNotifier* m_readNotifier;
    QSocketNotifier* m_writeNotifier;
    // The start of a line whose end has not come yet.
    QByteArray m_input;
    // Answers; the first m_written bytes of them are already written.
    QByteArray m_output;
    int m_written = 0;
    bool m_inputEnded = false;
};

#endif // CONTROL_CONNECTION_H
