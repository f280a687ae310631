#ifndef SPIDRIVER_H
#define SPIDRIVER_H

#include "log_throttle.h"
#include "paced_queue.h"
#include "spiframe.h"
#include "write_backlog.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QtGlobal>
#include <atomic>
#include <memory>

class QTimer;
class SpiThread;
class SpiTransport;
class Parameters;

// The link to the controller: one request/reply exchange at a time, driven by
// a single-shot timer in the SPI thread. Other parts only call its slots
// (queued), which fill queues and mark tasks; the loop serves the tasks in
// rotation and turns the replies into signals.
class SpiDriver : public QObject
{
    Q_OBJECT
public:
    enum Counter { Total, Success, ErrCrc, Lost, ErrFlag, ErrCrcSlave, ErrSlave, CounterCount };

    static constexpr int TaskCount = 16;
    static constexpr int BatchIds = 35;
    static constexpr int BatchWrites = 35;
    static constexpr int BatchEvents = 10;
    static constexpr int ExchangeTimeoutMs = 500;
    static constexpr int ReadChunk = 100;
    static constexpr quint32 WriteSpeedHz = 500000;
    static constexpr quint32 ReadSpeedHz = 5000000;
    static constexpr int LinkDownAfter = 20;
    // A refused request is an answer, not a lost exchange: it is not resent
    // at once. It is set aside and tried again no sooner than this, after the
    // other pending work; the requests queued behind it go meanwhile at the
    // link's pace. Reads are asked again while awaited. Writes and SCADA
    // packets are never dropped: the controller refuses a frame whose bytes
    // came in damaged, and the long write frames are the first that noise on
    // the line damages. They keep their place at the head of their queue
    // until a try goes through. The link counts as down after LinkDownAfter
    // refusals in a row of everything, status requests included, until the
    // next good answer; or of the write frame, until that goes through.
    static constexpr int RefusedRetryMs = 100;
    // A service client's archive request that the controller keeps refusing
    // is given up this long after it was first sent: nobody waits longer.
    static constexpr int ArchiveAwaitMs = 30000;
    // Queues fed from the network are capped: one flooding client must not
    // grow the SPI thread's memory without bound.
    static constexpr int MaxEventQueue = 4096;
    static constexpr int MaxWriteQueue = 4096;
    static constexpr int MaxArchiveQueue = 256;
    // Of each archive queue, the room the SCADA map's reads keep for
    // themselves: the service clients together fill the rest at most, so
    // none of them can push out the map's read, which a SCADA master awaits.
    // The map waits for one read at a time; those it gave up on go once.
    static constexpr int ScadaArchiveRoom = 16;
    // Byte 1 of a frame is its whole length: a SCADA packet may fill the rest.
    static constexpr int MaxScadaPacket = 255 - 4;
    static constexpr int ArchiveRequestSize = 15;
    static constexpr int MemorySize = 4096;

    SpiDriver(SpiThread* thread, bool debug);
    ~SpiDriver() override;

    // Set before the thread starts. Without a transport the one named by the
    // environment is made at the first exchange.
    void setTransport(std::unique_ptr<SpiTransport> transport);
    // The store the first synchronisation connects to. Its synchronisation
    // is the first to hear signalStart: the listeners the application adds
    // afterwards (the event cache) are asked after it.
    void setPeers(Parameters* parameters);

    // Readable from any thread: the SCADA map waits for its packets to go out.
    // A packet counts until the controller has taken it: one on the wire may
    // yet be refused and wait again.
    int scadaPacketCount() const { return m_scadaCount.load(); }
    // The writes on their way to the controller, for the clients that write
    // from the network to hold back on; shared, any thread.
    std::shared_ptr<const WriteBacklog> writeBacklog() const { return m_writeBacklog; }
    // Connects a writer's signal to slotParamWrite (queued), counting its
    // writes in the backlog until the driver has taken them. Any thread.
    template <typename Sender>
    void connectParamWrite(const Sender* sender, void (Sender::*signal)(quint16, quint32, int))
    {
        m_writeBacklog->handedOver.connect(sender, signal, this, &SpiDriver::slotParamWrite);
    }
    quint64 counter(Counter c) const { return m_counters[c].load(); }
    quint8 linkState() const { return m_linkState; }
    // How long a refused archive request is asked again; tests shorten it.
    void setArchiveAwait(int ms) { m_archiveAwaitMs = ms; }
    // How long the link may send nothing before the clients that wait for it
    // stop waiting (WriteBacklog); tests shorten it.
    void setWriteStall(int ms) { m_writeBacklog->stallMs = ms; }

public slots:
    void process();
    void loop();
    void slotParamRead(quint16 id);
    void slotParamWrite(quint16 id, quint32 value, int flag);
    void slotMinRead(quint16 id);
    void slotMaxRead(quint16 id);
    void slotPhysicRead(quint16 id);
    void slotEventRead(quint32 address);
    void slotSoftwareRead(quint32 address, quint16 size);
    // The update has ended: its memory read is no longer asked.
    void slotSoftwareReadCancel();
    // Archive reads of the service clients (commands 11 and 12) and of the
    // SCADA map (commands 12 and 14).
    void slotLogRead(QByteArray request);
    void slotSpiRequestLogCompress(QByteArray request);
    void slotScadaRequestLogCompress(QByteArray request);
    void slotSpiRequestLogCompressRN(QByteArray request);
    void slotScadaSoftwareWrite(QByteArray packet);
    // The SCADA map no longer waits for the reply to this archive request
    // (command 12 or 14): if it is asked again, it is dropped.
    void slotArchiveWaitEnded(quint8 command, QByteArray request);
    void resetConnectCounters();
    void slotConnectQuality();

signals:
    void signalStart();
    void signalParamUpdated(quint16 id, quint32 value, quint8 cmd);
    void signalNewEvent(QByteArray event);
    void signalSoftwareRead(quint32 addr, quint16 size, quint8* buf);
    void signalLogRead(QByteArray headerPkt, QByteArray log);
    void signalSpiResiveLogCompress(QByteArray headerPkt, QByteArray log);
    void signalSpiResiveLogCompressRN(QByteArray headerPkt, QByteArray log);
    void signalConnectCore(bool isConnect);

public:
    // --- the exchange, public for the tests of the frame layer -------------------
    void preparePackage(unsigned char* request, unsigned int length);
    int checkDriver();
    int sendPackage(int timeoutMs);
    int receivePackage();
    void spiDebug(const QString& message, QtMsgType type);
    const quint8* reply() const { return m_reply; }
    quint32 replyLength() const { return m_replyLength; }
    void setCurrentCommand(quint8 command) { m_currentCommand = command; }

private:
    struct Write
    {
        quint16 id;
        quint32 value;
        quint8 flag;
    };
    struct ArchiveRequest
    {
        QByteArray bytes;
        qint64 firstSentMs = -1; // on m_clock; -1 until sent
        bool awaited = true;     // false once its requester has stopped waiting
        qint64 readyAt = 0;      // on m_clock: refused, it is not asked again before this
        bool fromMap = false;    // the SCADA map's, in the room kept for it
    };
    // Kinds of the lines that the controller or a client can repeat: the
    // first is written, then at most one per interval, with the count of
    // those left out.
    enum LogKind { LogRefusal, LogWritesRefused, LogArchiveDrop11, LogArchiveDrop12, LogArchiveDrop14 };

    void setTask(unsigned char task, bool add);
    bool isPending(int task) const;
    // False while everything the task would ask was refused a moment ago.
    bool isReady(int task, qint64 now) const;
    // The status request when marked (the start, a long run of refusals),
    // else the next task in rotation, passing over those whose requests were
    // all refused a moment ago, else the status request (every reply carries
    // the controller's change and event notices, so it is asked only when
    // nothing else is); -1 when the status request too waits for its retry
    // time.
    int chooseTask() const;
    void buildRequest(int task);
    void buildIdRequest(quint8 command, PacedQueue<quint16>& queue, int task);
    void buildArchiveRequest(quint8 command, QList<ArchiveRequest>& queue, int task);
    QList<ArchiveRequest>* archiveQueue(quint8 command, int* task);
    // Queues an archive request unless its requester's room is full.
    void queueArchiveRequest(quint8 command, const QByteArray& request, bool fromMap);
    // The notice byte of a reply, refused ones too: the controller's
    // changes or new events to ask for.
    void handleNotice();
    void handleReply();
    void handleValues();
    void handleChanges();
    void handleEventAddresses();
    void handleEvents();
    void handleMemory();
    void handleArchive();
    // Queues a read of kind for id unless one waits already; readyAt as
    // PacedQueue::append.
    void queueChange(quint8 kind, quint16 id, qint64 readyAt = 0);
    void noteWriteQueue() { m_writeBacklog->queued = m_writes.size(); }
    // With the SCADA packet lock held.
    void noteScadaCount() { m_scadaCount = m_scadaPackets.size() + (m_scadaInFlight ? 1 : 0); }
    // False, with a log line now and then, when a queue is full.
    bool hasRoom(int size, int cap, const char* queue, quint64& dropped);
    // After a refusal: puts the request back (writes, SCADA packets, reads
    // while awaited) or drops it (reads nobody awaits any more).
    void setAsideRefusedRequest();
    void dropArchiveRequest(quint8 command, const ArchiveRequest& request, const QString& why);
    void dropExpiredArchiveRequests();
    void countTotal();
    void count(Counter c) { ++m_counters[c]; }
    // Waits until the store has taken the updates emitted so far; false when
    // the thread is being stopped.
    bool waitForStore();
    bool stopping() const;

    SpiThread* m_thread = nullptr;
    bool m_debug = false;
    quint8 m_linkState = 0;
    std::unique_ptr<SpiTransport> m_transport;
    Parameters* m_parameters = nullptr;

    quint8 m_rx[SpiFrame::BufferSize] = {};
    quint8 m_tx[SpiFrame::BufferSize] = {};
    quint32 m_txLength = 0;
    quint8 m_reply[SpiFrame::FrameCapacity] = {};
    quint32 m_replyLength = 0;
    quint8 m_request[SpiFrame::FrameCapacity] = {};
    quint32 m_requestLength = 0;
    quint8 m_currentCommand = 0;
    int m_requestCount = 0; // records asked for by the request in flight
    float m_quality = 0.0f;
    std::atomic<quint64> m_counters[CounterCount];
    SpiFrame::Scanner m_scanner;

    quint8 m_tasks[TaskCount] = {};
    QTimer* m_loopTimer = nullptr;
    QTimer* m_qualityTimer = nullptr;
    int m_failures = 0;
    // Refusals in a row of each task's request; a good answer clears it.
    int m_refusals[TaskCount] = {};
    // On m_clock: a task whose one request, or whose request at the head of
    // its ordered queue (writes, SCADA packets), was refused is not chosen
    // again before this. The read queues keep a time per request.
    qint64 m_retryAt[TaskCount] = {};
    QElapsedTimer m_clock;
    int m_archiveAwaitMs = ArchiveAwaitMs;
    // Refusals in a row of whatever was asked: a controller that refuses
    // everything is as lost to the program as a silent one.
    int m_refusedInRow = 0;
    bool m_downByRefusals = false;
    // Down because the write frame at the head of the queue was refused
    // LinkDownAfter times in a row: only its going through brings it up.
    bool m_downByWrites = false;
    LogThrottle m_logThrottle;
    quint64 m_writesDropped = 0;
    quint64 m_eventsDropped = 0;
    quint64 m_archivesDropped = 0;
    quint8 m_currentTask = 0;

    PacedQueue<quint16> m_valueIds;
    QList<Write> m_writes;
    QList<Write> m_sentWrites; // the writes of the request in flight
    std::shared_ptr<WriteBacklog> m_writeBacklog = std::make_shared<WriteBacklog>();
    PacedQueue<quint32> m_eventAddresses;
    PacedQueue<quint16> m_minIds;
    PacedQueue<quint16> m_maxIds;
    PacedQueue<quint16> m_physicIds;
    quint32 m_memoryAddress = 0;
    quint16 m_memorySize = 0;
    bool m_memoryAwaited = false;
    quint8 m_memory[MemorySize] = {};
    // One queue per archive command, so requests never overwrite each other.
    QList<ArchiveRequest> m_logRequests;
    QList<ArchiveRequest> m_compressRequests;
    QList<ArchiveRequest> m_compressRnRequests;
    ArchiveRequest m_sentArchive; // the archive request in flight
    QByteArray m_logHeader;

    mutable QMutex m_scadaMutex;
    QList<QByteArray> m_scadaPackets;
    QByteArray m_sentScada; // the packet in flight
    bool m_scadaInFlight = false;
    std::atomic<int> m_scadaCount{0};
};

#endif // SPIDRIVER_H
