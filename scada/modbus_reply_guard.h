#ifndef MODBUS_REPLY_GUARD_H
#define MODBUS_REPLY_GUARD_H

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class LogThrottle;
class QTcpSocket;

// Keeps a Modbus TCP master that leaves its replies unread from costing the
// other masters anything. QtSerialBus owns the connection's socket: at each
// readyRead it takes all the socket holds, answers every request in it and
// queues the answers in the socket without limit. The guard, a child of the
// socket, bounds that:
// - the socket holds at most ReadSlice bytes of requests, so QtSerialBus
//   works off a master's backlog a slice per turn of the event loop, between
//   the other masters' requests;
// - once the master has more than SoftBacklog bytes of replies to take
//   (in the socket, or in the system's queue until the master's end
//   acknowledges them), the socket's signals are held back: QtSerialBus
//   takes none of its requests, the socket's input fills up and TCP holds
//   the master back. It goes on once the master has read them down to
//   ResumeBacklog;
// - a master held back that reads nothing for UnreadLimitMs, or whose
//   replies pass HardBacklog, is disconnected, with a line naming it; one
//   that resets its connection meanwhile is let go at once.
class ModbusReplyGuard : public QObject
{
    Q_OBJECT
public:
    // A slice answers at most 64 requests (8 bytes the shortest), each in
    // 260 bytes at most: 16.25 KiB of replies.
    static constexpr qint64 ReadSlice = 512;
    static constexpr qint64 SoftBacklog = 32 * 1024;
    // Low enough that a master reading as fast as it can is not held back
    // again at the next slice.
    static constexpr qint64 ResumeBacklog = SoftBacklog / 2;
    // Above the soft cap by more than a slice's replies: a master reaches it
    // only if holding it back failed.
    static constexpr qint64 HardBacklog = 64 * 1024;
    // How long a master held back may leave its replies unread.
    static constexpr int UnreadLimitMs = 5000;
    // While held back, the socket is looked at this often.
    static constexpr int HoldPollMs = 10;

    // For a socket just handed to QtSerialBus, whose handlers of its signals
    // then run before the guard's. Drops are logged through drops, which the
    // server's guards share.
    ModbusReplyGuard(QTcpSocket* socket, std::shared_ptr<LogThrottle> drops);

private slots:
    // After QtSerialBus has answered what the socket held.
    void slotServed();
    void slotHeldPoll();

private:
    enum Reason { ReasonUnread, ReasonHardCap };
    // Bytes of replies the master has not taken.
    qint64 backlog() const;
    // Whether the system has seen the connection reset.
    bool isReset() const;
    void hold(qint64 backlog);
    // Lets the socket's signals through again; QtSerialBus is handed what
    // came meanwhile.
    void resume();
    void drop(Reason reason, qint64 backlog);

    QTcpSocket* m_socket;
    std::shared_ptr<LogThrottle> m_drops;
    // "address:port", taken while connected.
    QString m_master;
    QTimer m_heldPoll;
    // While held back: the backlog at its lowest, and the time since it last went down.
    qint64 m_lowest = 0;
    QElapsedTimer m_unread;
};

#endif // MODBUS_REPLY_GUARD_H
