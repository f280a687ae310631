#ifndef COMMANDSOCKET_H
#define COMMANDSOCKET_H

#include "consolelineparser.h"
#include "hand_over_count.h"
#include "log_throttle.h"

#include <QElapsedTimer>
#include <QObject>
#include <memory>

class QTcpSocket;
class QTimer;
class Parameters;
class WriteBacklog;

// One client of the console (port 4321), living in a thread of its own:
// reads command lines, answers them from the store and passes writes to it.
class CommandSocket : public QObject
{
    Q_OBJECT
public:
    // While more than this waits to go out, the client's lines wait too.
    static constexpr qint64 SoftBacklog = 16 * 1024;
    // Past this the client is disconnected. Answers are short and stop at
    // the soft limit, so only a client that never reads comes near it.
    static constexpr qint64 HardBacklog = 64 * 1024;
    // At most this much of the client's input is held by the socket at once.
    static constexpr qint64 ReadBufferSize = 16 * 1024;
    // An unterminated line counts once the client has been quiet this long.
    static constexpr int DefaultIdleMs = 250;
    // A "set" held back while the link's write backlog is full, or a "setb"
    // while too many are on their way to the store, is tried again this often.
    static constexpr int HoldRetryMs = 10;
    // "setb" values on their way to the store (in the GUI thread) at once;
    // Qt's queue of posted calls has no cap, so past this the client's lines
    // wait, and TCP makes the client wait, until the store has taken some.
    static constexpr int MaxUpdatesToStore = 256;

    CommandSocket(qintptr socketDescriptor, Parameters* parameters, int idleMs = DefaultIdleMs);
    ~CommandSocket() override;

    // Console connection objects in being, in any thread: one whose thread
    // could not start must not be left behind.
    static int liveCount();

    // The backlog of the SPI link the store's writes go to; set before
    // process(). Without it the writes on their way to the store are capped.
    void setWriteBacklog(std::shared_ptr<const WriteBacklog> backlog) { m_writeBacklog = std::move(backlog); }

signals:
    void finished();
    void signalParamWrite(quint16 id, float value, int eventType);
    void signalParamUpdated(quint16 id, quint32 value, quint8 cmd);

public slots:
    void process();
    void quit();
    void disconnected();
    void slotReadyRead();

private slots:
    void slotIdle();

private:
    bool isOpen() const;
    // True while a write must wait for the link to take those before it.
    bool writesFull() const;
    // True once the writes have waited the stall limit and the link has sent
    // no request of any kind for as long: a write is then dropped rather than
    // held without end.
    bool writesStalled() const;
    // True while a "setb" must wait for the store to take those before it.
    bool updatesFull() const;
    // Holds the line's command until it is handled.
    void takeLine(const QByteArray& line);
    void handleCommand(ConsoleLineParser::Command command);
    void send(const QByteArray& answer);

    qintptr m_socketDescriptor;
    QTcpSocket* m_socket = nullptr;
    Parameters* m_parameters;
    int m_idleMs;
    QTimer* m_idle = nullptr;
    ConsoleLineParser m_parser;
    // The command taken from the input and not yet handled, while m_holding.
    ConsoleLineParser::Command m_held;
    bool m_holding = false;
    QTimer* m_holdTimer = nullptr;
    // How long the writes have waited, since the last one that was not held.
    QElapsedTimer m_holdClock;
    std::shared_ptr<const WriteBacklog> m_writeBacklog;
    // Writes handed to the store and not yet passed on by it to the link.
    HandOverCount m_toStore;
    // "setb" values handed to the store and not yet stored.
    HandOverCount m_updatesToStore;
    LogThrottle m_drops;
    bool m_closing = false;
};

#endif // COMMANDSOCKET_H
