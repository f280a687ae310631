#ifndef SOCKETSERVER_H
#define SOCKETSERVER_H

#include "hand_over_count.h"
#include "log_throttle.h"
#include "serviceblockparser.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <memory>

class QTcpSocket;
class QTimer;
class WriteBacklog;
class Parameters;
class SpiDriver;

// One client of the service server (port 5321), living in a thread of its
// own: answers its requests from the store, passes the others to the SPI
// driver, and sends it everything the SPI link reads.
class SocketServer : public QObject
{
    Q_OBJECT
public:
    // While more than this waits to go out, the client's requests wait too:
    // a client asking faster than it reads is slowed down, not dropped.
    static constexpr qint64 SoftBacklog = 256 * 1024;
    // A client that lets this much pile up (the link's updates keep coming
    // whether it reads or not) is disconnected, so it cannot eat the
    // station's memory. One request answers at most 32766 ids (360 KB), so a
    // client that reads is never cut off by its own requests.
    static constexpr qint64 HardBacklog = 1024 * 1024;
    // At most this much of the client's input is held by the socket at once.
    static constexpr qint64 ReadBufferSize = 64 * 1024;
    // Event and archive requests handed to the SPI driver and not yet taken
    // by it: past this the client's next one waits, as its writes wait while
    // the link's write backlog is full. A block asks for 975 events at most.
    // A held request is dropped as a held write is: once it has waited the
    // stall limit and the link has sent nothing for as long
    // (WriteBacklog::isStalled).
    static constexpr int MaxRequestsHandedOver = 1024;
    // A request held back is tried again this often.
    static constexpr int HoldRetryMs = 10;

    SocketServer(qintptr socketDescriptor, Parameters* parameters, SpiDriver* driver);
    ~SocketServer() override;

signals:
    void signalParamRead(quint16 id);
    void signalParamWrite(quint16 id, quint32 value, int eventType);
    void signalMinRead(quint16 id);
    void signalMaxRead(quint16 id);
    void signalPhysicRead(quint16 id);
    void signalEventRead(quint32 addr);
    void signalLogRead(QByteArray request);
    void signalSocketServerRequestLogCompress(QByteArray request);

public slots:
    void process();
    void slotReceivePacket();
    void slotParamUpdated(quint16 id, quint32 value, quint8 kind);
    void slotParamRead(quint16 id);
    void slotMinRead(quint16 id);
    void slotMaxRead(quint16 id);
    void slotPhysicRead(quint16 id);
    void slotNewEvent(QByteArray event);
    void slotLogRead(QByteArray header, QByteArray data);
    void slotSocketServerResiveLogCompress(QByteArray header, QByteArray data);
    void slotClientServer(quint8 code, quint32 value);
    void slotConnectCore(bool isConnect);
    void slotError(QAbstractSocket::SocketError error);

private:
    bool isOpen() const;
    // Whether a block goes to the SPI driver now, waits for the driver to
    // take what it was handed before, or is dropped because the link has
    // sent nothing for too long.
    enum class Admission { Go, Wait, Drop };
    Admission admission(const ServiceBlockParser::Block& block) const;
    // For a block that cannot go now.
    Admission holdOrDrop() const;
    void drop(const ServiceBlockParser::Block& block);
    // Bytes waiting to go out that the system has not taken yet.
    qint64 backlog();
    void handleBlock(const ServiceBlockParser::Block& block);
    void sendArchive(quint16 command, const QByteArray& header, const QByteArray& data);
    void sendBlock(const QByteArray& block);
    void note(const QString& text);

    qintptr m_socketDescriptor;
    QTcpSocket* m_socket = nullptr;
    Parameters* m_parameters;
    SpiDriver* m_driver;
    ServiceBlockParser m_parser;
    // The block taken from the stream and not yet handled, while m_holding.
    ServiceBlockParser::Block m_held;
    bool m_holding = false;
    QTimer* m_holdTimer = nullptr;
    // How long the held block has waited: started when it must first wait,
    // invalid again once it goes or is dropped.
    QElapsedTimer m_holdClock;
    // After a drop, the link's last send as the drop found it
    // (WriteBacklog::lastSentMs); -1 before any drop.
    qint64 m_droppedAtSend = -1;
    LogThrottle m_drops;
    std::shared_ptr<const WriteBacklog> m_writeBacklog;
    HandOverCount m_driverRequests;
    int m_notes = 0;
    // Flushing reports written bytes at once, which calls the receiving
    // slot again: requests are handled one at a time, in order.
    bool m_receiving = false;
};

#endif // SOCKETSERVER_H
