#include "spidriver.h"
#include "number_text.h"
#include "parameters.h"
#include "parametershandler.h"
#include "spithread.h"
#include "spitransport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QEvent>
#include <QMutexLocker>
#include <QSemaphore>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <limits>

namespace {

enum Command : quint8 {
    CmdStatus = 1,
    CmdReadValues = 2,
    CmdWriteValues = 3,
    CmdChanges = 4,
    CmdNewEvents = 5,
    CmdReadEvents = 6,
    CmdReadMin = 7,
    CmdReadMax = 8,
    CmdReadMemory = 9,
    CmdReadLog = 11,
    CmdReadLogCompress = 12,
    CmdScadaSoftware = 13,
    CmdReadLogCompressRN = 14,
    CmdReadPhysic = 15
};

enum Task : int {
    TaskWrite = 1,
    TaskReadEvents = 2,
    TaskReadValues = 3,
    TaskReadMin = 4,
    TaskReadMax = 5,
    TaskNewEvents = 6,
    TaskChanges = 7,
    TaskMemory = 8,
    TaskScada = 10,
    TaskLog = 11,
    TaskStatus = 12,
    TaskLogCompress = 13,
    TaskLogCompressRN = 14,
    TaskReadPhysic = 15
};

constexpr int ReplyOverhead = 7; // command, length, status, notice, spare, CRC x2
constexpr int ReplyPayload = 5;
constexpr int EventRecordSize = 21;
constexpr int MaxRecords = 255;

quint16 be16(const quint8* p) { return static_cast<quint16>((p[0] << 8) | p[1]); }
quint32 be32(const quint8* p)
{
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}
quint32 le32(const quint8* p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}
void putBe16(quint8* p, quint16 v)
{
    p[0] = static_cast<quint8>(v >> 8);
    p[1] = static_cast<quint8>(v);
}
void putBe32(quint8* p, quint32 v)
{
    p[0] = static_cast<quint8>(v >> 24);
    p[1] = static_cast<quint8>(v >> 16);
    p[2] = static_cast<quint8>(v >> 8);
    p[3] = static_cast<quint8>(v);
}

// Posted behind the updates of one reply; delivered (or discarded at quit)
// only after them, so its release tells the SPI thread they were stored.
class StoreBarrierEvent : public QEvent
{
public:
    static QEvent::Type barrierType()
    {
        static const int type = QEvent::registerEventType();
        return static_cast<QEvent::Type>(type);
    }
    explicit StoreBarrierEvent(std::shared_ptr<QSemaphore> done)
        : QEvent(barrierType())
        , m_done(std::move(done))
    {
    }
    ~StoreBarrierEvent() override { m_done->release(); }

private:
    std::shared_ptr<QSemaphore> m_done;
};

} // namespace

SpiDriver::SpiDriver(SpiThread* thread, bool debug)
    : QObject(nullptr)
    , m_thread(thread)
    , m_debug(debug)
{
    for (auto& c : m_counters)
        c = 0;
    m_clock.start();
    if (m_thread) {
        connect(m_thread, &QThread::started, this, &SpiDriver::process);
        connect(m_thread, &QThread::finished, this, &QObject::deleteLater);
    }
}

SpiDriver::~SpiDriver()
{
    spiDebug("~SpiDriver", QtWarningMsg);
}

void SpiDriver::setTransport(std::unique_ptr<SpiTransport> transport)
{
    m_transport = std::move(transport);
}

void SpiDriver::setPeers(Parameters* parameters)
{
    m_parameters = parameters;
    // Connected here, not when the thread starts (signalStart is emitted
    // only then), so that the store's synchronisation is asked for ahead of
    // the listeners connected after the peers are set: the event cache.
    if (m_parameters)
        connect(this, &SpiDriver::signalStart, m_parameters, &Parameters::syncAllParams, Qt::UniqueConnection);
}

bool SpiDriver::stopping() const
{
    return QThread::currentThread()->isInterruptionRequested();
}

void SpiDriver::spiDebug(const QString& message, QtMsgType type)
{
    const QString line = QDateTime::currentDateTime().toString("dd.MM.yyyy hh:mm:ss.zzz") + " " + message;
    if (type != QtDebugMsg)
        qWarning().noquote() << line;
    else if (m_debug)
        qDebug().noquote() << line;
}

// --- start ----------------------------------------------------------------------

void SpiDriver::process()
{
    spiDebug("SPIDrive: Process thread is started", QtWarningMsg);
    if (m_parameters) {
        // Queued, followed by a barrier per reply (see waitForStore): the SPI
        // thread still waits for the store, but a quit never deadlocks on it.
        connect(this, &SpiDriver::signalParamUpdated, m_parameters, &Parameters::slotParamUpdated,
                Qt::QueuedConnection);
        connect(m_parameters, &Parameters::signalParamRead, this, &SpiDriver::slotParamRead);
        // Counted on their way: the clients that write through the store
        // hold back while the backlog is full.
        connectParamWrite(m_parameters, &Parameters::signalParamWrite);
        connect(m_parameters, &Parameters::signalMinRead, this, &SpiDriver::slotMinRead);
        connect(m_parameters, &Parameters::signalMaxRead, this, &SpiDriver::slotMaxRead);
        connect(m_parameters, &Parameters::signalPhysicRead, this, &SpiDriver::slotPhysicRead);
        // Memory reads of the software update, relayed by the settings applier.
        ParametersHandler* handler = m_parameters->handler();
        connect(this, &SpiDriver::signalSoftwareRead, handler,
                QOverload<quint32, quint16, quint8*>::of(&ParametersHandler::signalSoftwareRead));
        connect(handler, QOverload<quint32, quint16>::of(&ParametersHandler::signalSoftwareRead), this,
                &SpiDriver::slotSoftwareRead);
        connect(handler, &ParametersHandler::signalSoftwareReadCancel, this, &SpiDriver::slotSoftwareReadCancel);
    }

    resetConnectCounters();
    std::memset(m_tasks, 0, sizeof m_tasks);
    m_tasks[TaskStatus] = 1;
    m_requestLength = 0;
    m_replyLength = 0;

    m_loopTimer = new QTimer(this);
    m_loopTimer->setSingleShot(true);
    // The pause between exchanges is the link's pace: a coarse timer may add
    // 5% to each of the hundreds a synchronisation makes.
    m_loopTimer->setTimerType(Qt::PreciseTimer);
    connect(m_loopTimer, &QTimer::timeout, this, &SpiDriver::loop);
    m_qualityTimer = new QTimer(this);
    m_qualityTimer->setInterval(1000);
    connect(m_qualityTimer, &QTimer::timeout, this, &SpiDriver::slotConnectQuality);
    m_loopTimer->start(150);
    m_qualityTimer->start();
    emit signalStart();
}

// --- slots that queue work ---------------------------------------------------------

void SpiDriver::setTask(unsigned char task, bool add)
{
    if (task >= TaskCount)
        return;
    if (add) {
        if (m_tasks[task] < 255)
            ++m_tasks[task];
    } else if (m_tasks[task] > 0) {
        --m_tasks[task];
    }
}

void SpiDriver::slotParamRead(quint16 id)
{
    m_valueIds.append(id);
    setTask(TaskReadValues, true);
}

void SpiDriver::slotParamWrite(quint16 id, quint32 value, int flag)
{
    if (!hasRoom(m_writes.size(), MaxWriteQueue, "write", m_writesDropped))
        return;
    m_writes.append(Write{id, value, static_cast<quint8>(flag)});
    noteWriteQueue();
    setTask(TaskWrite, true);
}

void SpiDriver::slotMinRead(quint16 id)
{
    m_minIds.append(id);
    setTask(TaskReadMin, true);
}

void SpiDriver::slotMaxRead(quint16 id)
{
    m_maxIds.append(id);
    setTask(TaskReadMax, true);
}

void SpiDriver::slotPhysicRead(quint16 id)
{
    m_physicIds.append(id);
    setTask(TaskReadPhysic, true);
}

void SpiDriver::slotEventRead(quint32 address)
{
    if (!hasRoom(m_eventAddresses.size(), MaxEventQueue, "event", m_eventsDropped))
        return;
    m_eventAddresses.append(address);
    setTask(TaskReadEvents, true);
}

void SpiDriver::slotSoftwareRead(quint32 address, quint16 size)
{
    m_memoryAddress = address;
    m_memorySize = size;
    m_memoryAwaited = true;
    setTask(TaskMemory, true);
}

void SpiDriver::slotSoftwareReadCancel()
{
    // A read in flight, or held for a resend after a lost exchange, is not
    // asked again once refused.
    m_memoryAwaited = false;
    m_refusals[TaskMemory] = 0;
    if (m_tasks[TaskMemory] == 0)
        return;
    m_tasks[TaskMemory] = 0;
    spiDebug("[I] SPIDrive: memory read dropped, the update has ended", QtWarningMsg);
}

void SpiDriver::slotLogRead(QByteArray request)
{
    queueArchiveRequest(CmdReadLog, request, false);
}

void SpiDriver::slotSpiRequestLogCompress(QByteArray request)
{
    queueArchiveRequest(CmdReadLogCompress, request, false);
}

void SpiDriver::slotScadaRequestLogCompress(QByteArray request)
{
    queueArchiveRequest(CmdReadLogCompress, request, true);
}

void SpiDriver::slotSpiRequestLogCompressRN(QByteArray request)
{
    queueArchiveRequest(CmdReadLogCompressRN, request, true);
}

void SpiDriver::queueArchiveRequest(quint8 command, const QByteArray& request, bool fromMap)
{
    int task = 0;
    QList<ArchiveRequest>& queue = *archiveQueue(command, &task);
    // The map may fill the whole queue; the service clients leave its room.
    int size = queue.size();
    int cap = MaxArchiveQueue;
    if (!fromMap) {
        size = int(std::count_if(queue.begin(), queue.end(), [](const ArchiveRequest& r) { return !r.fromMap; }));
        cap -= ScadaArchiveRoom;
    }
    if (!hasRoom(size, cap, "archive", m_archivesDropped))
        return;
    queue.append(ArchiveRequest{request, -1, true, 0, fromMap});
    setTask(static_cast<unsigned char>(task), true);
}

void SpiDriver::slotScadaSoftwareWrite(QByteArray packet)
{
    if (packet.size() > MaxScadaPacket) {
        spiDebug(QString("[E] SPIDrive: SCADA packet of %1 bytes does not fit a frame, dropped").arg(packet.size()),
                 QtWarningMsg);
        return;
    }
    QMutexLocker lock(&m_scadaMutex);
    m_scadaPackets.append(packet);
    noteScadaCount();
    setTask(TaskScada, true);
}

void SpiDriver::slotArchiveWaitEnded(quint8 command, QByteArray request)
{
    int task = 0;
    QList<ArchiveRequest>* queue = archiveQueue(command, &task);
    if (!queue)
        return;
    for (int i = 0; i < queue->size(); ++i) {
        ArchiveRequest& r = (*queue)[i];
        if (!r.fromMap || !r.awaited || r.bytes != request)
            continue;
        if (r.firstSentMs < 0) {
            // Not sent yet: it goes once, as asked, but is not asked again.
            r.awaited = false;
            return;
        }
        dropArchiveRequest(command, r, "its requester no longer waits");
        queue->removeAt(i);
        if (queue->isEmpty())
            m_tasks[task] = 0;
        return;
    }
    // The request in flight, or held for a resend after a lost exchange.
    if (m_currentCommand == command && m_sentArchive.fromMap && m_sentArchive.bytes == request)
        m_sentArchive.awaited = false;
}

QList<SpiDriver::ArchiveRequest>* SpiDriver::archiveQueue(quint8 command, int* task)
{
    switch (command) {
    case CmdReadLog: *task = TaskLog; return &m_logRequests;
    case CmdReadLogCompress: *task = TaskLogCompress; return &m_compressRequests;
    case CmdReadLogCompressRN: *task = TaskLogCompressRN; return &m_compressRnRequests;
    default: return nullptr;
    }
}

void SpiDriver::dropArchiveRequest(quint8 command, const ArchiveRequest& request, const QString& why)
{
    quint64 held = 0;
    const LogKind kind = command == CmdReadLog ? LogArchiveDrop11
                         : command == CmdReadLogCompress ? LogArchiveDrop12 : LogArchiveDrop14;
    if (!m_logThrottle.pass(kind, &held))
        return;
    const quint32 offset = request.bytes.size() >= 7 ? le32(reinterpret_cast<const quint8*>(request.bytes.constData()) + 3) : 0;
    spiDebug(QString("[E] SPIDrive: archive request of command %1 at offset %2 dropped, %3%4")
                 .arg(command)
                 .arg(offset)
                 .arg(why)
                 .arg(LogThrottle::heldText(held)),
             QtWarningMsg);
}

void SpiDriver::dropExpiredArchiveRequests()
{
    const qint64 now = m_clock.elapsed();
    for (quint8 command : {CmdReadLog, CmdReadLogCompress, CmdReadLogCompressRN}) {
        int task = 0;
        QList<ArchiveRequest>& queue = *archiveQueue(command, &task);
        bool dropped = false;
        for (int i = 0; i < queue.size();) {
            const ArchiveRequest& r = queue.at(i);
            if (r.firstSentMs >= 0 && now - r.firstSentMs >= m_archiveAwaitMs) {
                dropArchiveRequest(command, r, QString("no answer %1 ms after it was first sent").arg(m_archiveAwaitMs));
                queue.removeAt(i);
                dropped = true;
            } else {
                ++i;
            }
        }
        if (dropped && queue.isEmpty())
            m_tasks[task] = 0;
    }
}

bool SpiDriver::hasRoom(int size, int cap, const char* queue, quint64& dropped)
{
    if (size < cap)
        return true;
    // Logged at the 1st, 2nd, 4th, 8th... drop: a flood cannot flood the log.
    ++dropped;
    if ((dropped & (dropped - 1)) == 0)
        spiDebug(QString("[E] SPIDrive: %1 queue full (%2), request dropped; %3 dropped so far")
                     .arg(queue).arg(cap).arg(dropped),
                 QtWarningMsg);
    return false;
}

// --- the loop ------------------------------------------------------------------------

bool SpiDriver::isPending(int task) const
{
    if (m_tasks[task] > 0)
        return true;
    // A counter stops at 255 and may run out while its queue still holds work.
    switch (task) {
    case TaskWrite: return !m_writes.isEmpty();
    case TaskReadEvents: return !m_eventAddresses.isEmpty();
    case TaskReadValues: return !m_valueIds.isEmpty();
    case TaskReadMin: return !m_minIds.isEmpty();
    case TaskReadMax: return !m_maxIds.isEmpty();
    case TaskReadPhysic: return !m_physicIds.isEmpty();
    case TaskLog: return !m_logRequests.isEmpty();
    case TaskLogCompress: return !m_compressRequests.isEmpty();
    case TaskLogCompressRN: return !m_compressRnRequests.isEmpty();
    case TaskScada: return m_scadaCount.load() > 0;
    default: return false;
    }
}

bool SpiDriver::isReady(int task, qint64 now) const
{
    const auto anyReady = [now](const QList<ArchiveRequest>& queue) {
        // An empty queue asks with the last reply's header, which waits for nothing.
        return queue.isEmpty()
               || std::any_of(queue.begin(), queue.end(), [now](const ArchiveRequest& r) { return r.readyAt <= now; });
    };
    switch (task) {
    case TaskReadEvents: return m_eventAddresses.hasReady(now);
    case TaskReadValues: return m_valueIds.hasReady(now);
    case TaskReadMin: return m_minIds.hasReady(now);
    case TaskReadMax: return m_maxIds.hasReady(now);
    case TaskReadPhysic: return m_physicIds.hasReady(now);
    case TaskLog: return anyReady(m_logRequests);
    case TaskLogCompress: return anyReady(m_compressRequests);
    case TaskLogCompressRN: return anyReady(m_compressRnRequests);
    default: return now >= m_retryAt[task];
    }
}

int SpiDriver::chooseTask() const
{
    const qint64 now = m_clock.elapsed();
    const bool statusReady = now >= m_retryAt[TaskStatus];
    // Marked at the start, so that a run begins with it, and after a run of
    // refusals, to ask whether the controller refuses everything.
    if (m_tasks[TaskStatus] > 0 && statusReady)
        return TaskStatus;
    for (int t = m_currentTask + 1; t < TaskCount; ++t)
        if (isPending(t) && isReady(t, now))
            return t;
    for (int t = 0; t < TaskCount; ++t)
        if (isPending(t) && isReady(t, now))
            return t;
    return statusReady ? int(TaskStatus) : -1;
}

void SpiDriver::loop()
{
    if (stopping())
        return;

    if (m_failures == 0 || m_requestLength == 0) {
        dropExpiredArchiveRequests();
        const int task = chooseTask();
        if (task < 0) {
            // Everything pending, the status request too, was refused a
            // moment ago: nothing is sent until its retry time.
            m_loopTimer->start(15);
            return;
        }
        m_currentTask = static_cast<quint8>(task);
        buildRequest(m_currentTask);
        // The link moves: the clients waiting for it wait on (a request
        // lost and sent again unchanged is no move). Down for its refused
        // writes, the link takes no writes whatever else it sends: the
        // clients that wait to write stop waiting after the stall limit.
        if (!m_downByWrites)
            m_writeBacklog->noteSent();
    }

    bool refused = false;
    int ok = 0;
    if (m_requestLength > 0) {
        preparePackage(m_request, m_requestLength);
        if (m_txLength > 0 && sendPackage(ExchangeTimeoutMs)) {
            ok = receivePackage();
            refused = !ok && m_linkState == 5 && m_replyLength >= 7 && m_reply[2] == 1;
        }
    }
    if (stopping())
        return;

    if (ok) {
        // Down for its refused writes, the link is up again only when they
        // go through, whatever else is answered meanwhile.
        if (m_downByWrites ? m_currentTask == TaskWrite : (m_failures != 0 || m_downByRefusals))
            emit signalConnectCore(true);
        if (m_currentTask == TaskWrite)
            m_downByWrites = false;
        m_failures = 0;
        m_refusedInRow = 0;
        m_downByRefusals = false;
        m_refusals[m_currentTask] = 0;
        setTask(m_currentTask, false);
        m_loopTimer->start(15);
        return;
    }

    if (refused) {
        // The controller answered: the link stands, only this request is
        // refused. Sending it again at once would hold every other task back;
        // it waits its turn instead, and the loop goes on at its pace. The
        // refusal brings the controller's notices like any reply: nothing
        // more is asked for them.
        handleNotice();
        setAsideRefusedRequest();
        m_requestLength = 0;
        // While other requests are answered between two refusals the link
        // stands; a controller that refuses everything is lost to the program.
        // A long run of refusals may be of requests the controller cannot
        // serve, one after another: the status request, which it always
        // serves while it serves anything, tells which, and the link goes
        // down only when that is refused too.
        ++m_refusedInRow;
        if (m_currentTask != TaskStatus) {
            if (m_refusedInRow >= LinkDownAfter)
                setTask(TaskStatus, true);
        } else if (m_refusedInRow > LinkDownAfter) {
            emit signalConnectCore(false);
            m_refusedInRow = 1;
            m_downByRefusals = true;
            spiDebug("[E] SPIDrive: loop ---------------------------------------", QtWarningMsg);
        }
        // The write frame is the longest the link sends, the first that
        // noise damages: while the short requests get through, a write that
        // cannot is a link that does not carry what the station is told.
        if (m_currentTask == TaskWrite && m_refusals[TaskWrite] == LinkDownAfter) {
            emit signalConnectCore(false);
            m_downByWrites = true;
            spiDebug("[E] SPIDrive: loop ---------------------------------------", QtWarningMsg);
        }
        m_loopTimer->start(15);
        return;
    }

    ++m_failures;
    if (m_failures > LinkDownAfter) {
        emit signalConnectCore(false);
        m_failures = 1;
        spiDebug("[E] SPIDrive: loop ---------------------------------------", QtWarningMsg);
    } else if (m_failures > 2) {
        spiDebug("[E] SPIDrive: sendPackage - TimeOut", QtWarningMsg);
    }
    m_loopTimer->start(m_failures > 1 ? 100 : 15);
}

void SpiDriver::setAsideRefusedRequest()
{
    const int task = m_currentTask;
    if (m_refusals[task] < std::numeric_limits<int>::max())
        ++m_refusals[task];
    // The refused request alone waits: a read goes back to its queue with a
    // time of its own, so the requests queued behind it are not held back;
    // the other tasks have one request at a time, or keep theirs in order
    // (writes, SCADA packets), so the task waits.
    const qint64 retryAt = m_clock.elapsed() + RefusedRetryMs;
    m_retryAt[task] = retryAt;

    // A read must not be lost while it is awaited: the first synchronisation
    // waits for every id, the update for every chunk of its image, a SCADA
    // master or a service client for its archive block. The request goes
    // back to its queue (or its task is marked again) and is asked after the
    // other tasks. Writes and SCADA packets go back to the head of their
    // queue, so that their order holds, however often they are refused.
    const quint8* p = m_request + 2;
    int refusedWrites = 0; // now at the head of m_writes
    bool askedAgain = true;
    LogKind kind = LogRefusal;
    switch (m_currentCommand) {
    case CmdWriteValues:
        refusedWrites = m_sentWrites.size();
        for (int i = refusedWrites - 1; i >= 0; --i)
            m_writes.prepend(m_sentWrites.at(i));
        m_sentWrites.clear();
        noteWriteQueue();
        setTask(TaskWrite, true);
        kind = LogWritesRefused;
        break;
    case CmdScadaSoftware: {
        QMutexLocker lock(&m_scadaMutex);
        m_scadaPackets.prepend(m_sentScada);
        m_scadaInFlight = false;
        noteScadaCount();
        setTask(TaskScada, true);
        break;
    }
    case CmdReadEvents:
        for (int i = 0; i < m_requestCount; ++i)
            m_eventAddresses.appendOnce(be32(p + 4 * i), retryAt);
        setTask(TaskReadEvents, true);
        break;
    case CmdReadValues:
    case CmdReadMin:
    case CmdReadMax:
    case CmdReadPhysic:
        for (int i = 0; i < m_requestCount; ++i)
            queueChange(m_currentCommand, be16(p + 2 * i), retryAt); // the read commands are the kinds
        break;
    case CmdReadMemory:
        // The stored address and size are kept; a newer read stored since
        // takes the place of this one.
        askedAgain = m_memoryAwaited;
        if (askedAgain)
            setTask(TaskMemory, true);
        break;
    case CmdReadLog:
    case CmdReadLogCompress:
    case CmdReadLogCompressRN: {
        int archiveTask = 0;
        QList<ArchiveRequest>* queue = archiveQueue(m_currentCommand, &archiveTask);
        askedAgain = m_sentArchive.awaited;
        if (askedAgain) {
            m_sentArchive.readyAt = retryAt;
            queue->append(m_sentArchive);
            setTask(static_cast<unsigned char>(archiveTask), true);
        } else {
            dropArchiveRequest(m_currentCommand, m_sentArchive, "its requester no longer waits");
        }
        break;
    }
    case CmdChanges:
        setTask(TaskChanges, true);
        break;
    case CmdNewEvents:
        setTask(TaskNewEvents, true);
        break;
    default: // the status request: nothing is lost, it is asked whenever nothing else is
        break;
    }

    // Writes have a line of their own: a refused read logged a moment ago
    // must not hide which writes wait.
    quint64 held = 0;
    if (!m_logThrottle.pass(kind, &held))
        return;
    // Named only when the line is written: a refused write frame is tried
    // again up to ten times a second.
    QString waiting;
    if (kind == LogWritesRefused) {
        QStringList ids;
        for (int i = 0; i < refusedWrites; ++i)
            ids << QString::number(m_writes.at(i).id);
        waiting = "; writes waiting: " + ids.join(", ");
        const int behind = m_writes.size() - refusedWrites;
        if (behind > 0)
            waiting += QString(", %1 more behind them").arg(behind);
    }
    spiDebug(QString("[E] SPIDrive: loop - command %1 refused (%2 in a row), %3%4%5")
                 .arg(m_currentCommand)
                 .arg(m_refusals[task])
                 .arg(askedAgain ? "asked again later" : "dropped")
                 .arg(waiting)
                 .arg(LogThrottle::heldText(held)),
             QtWarningMsg);
}

// --- requests ------------------------------------------------------------------------

void SpiDriver::buildIdRequest(quint8 command, PacedQueue<quint16>& queue, int task)
{
    const QList<quint16> ids = queue.takeReady(m_clock.elapsed(), BatchIds);
    const int n = ids.size();
    m_currentCommand = command;
    for (int i = 0; i < n; ++i)
        putBe16(m_request + 2 + 2 * i, ids.at(i));
    m_requestCount = n;
    m_requestLength = static_cast<quint32>((n + 2) * 2);
    if (queue.isEmpty())
        m_tasks[task] = 0;
}

void SpiDriver::buildArchiveRequest(quint8 command, QList<ArchiveRequest>& queue, int task)
{
    m_currentCommand = command;
    // The first whose time has come: one refused a moment ago waits behind.
    // The SCADA map's read goes before the service clients' ones: its master
    // waits seconds, not half a minute, and must not wait behind a client's
    // whole share.
    const qint64 now = m_clock.elapsed();
    const auto ready = [now](const ArchiveRequest& r) { return r.readyAt <= now; };
    const auto mapRead = std::find_if(queue.begin(), queue.end(),
                                      [&ready](const ArchiveRequest& r) { return r.fromMap && ready(r); });
    int first = int(mapRead - queue.begin());
    if (mapRead == queue.end()) {
        first = 0;
        while (first < queue.size() - 1 && !ready(queue.at(first)))
            ++first;
    }
    m_sentArchive = queue.isEmpty() ? ArchiveRequest{m_logHeader, -1, true, 0, false} : queue.takeAt(first);
    if (m_sentArchive.firstSentMs < 0)
        m_sentArchive.firstSentMs = m_clock.elapsed();
    QByteArray request = m_sentArchive.bytes;
    if (request.size() != ArchiveRequestSize) {
        if (request.size() > ArchiveRequestSize || !request.isEmpty())
            spiDebug(QString("[E] SPIDrive: archive request of %1 bytes, 15 sent").arg(request.size()),
                     QtWarningMsg);
        request = request.leftJustified(ArchiveRequestSize, '\0', true);
    }
    std::memcpy(m_request + 2, request.constData(), ArchiveRequestSize);
    m_requestLength = 2 + ArchiveRequestSize + 2;
    m_requestCount = 0;
    if (queue.isEmpty())
        m_tasks[task] = 0;
}

void SpiDriver::buildRequest(int task)
{
    m_requestCount = 0;
    switch (task) {
    case TaskWrite: {
        const int n = qMin(m_writes.size(), BatchWrites);
        m_currentCommand = CmdWriteValues;
        m_sentWrites.clear();
        for (int i = 0; i < n; ++i) {
            const Write w = m_writes.takeFirst();
            m_sentWrites.append(w);
            quint8* p = m_request + 2 + 7 * i;
            putBe16(p, w.id);
            putBe32(p + 2, w.value);
            p[6] = w.flag;
        }
        m_requestCount = n;
        m_requestLength = static_cast<quint32>(7 * n + 4);
        noteWriteQueue();
        if (m_writes.isEmpty())
            m_tasks[task] = 0;
        break;
    }
    case TaskReadEvents: {
        const QList<quint32> addresses = m_eventAddresses.takeReady(m_clock.elapsed(), BatchEvents);
        const int n = addresses.size();
        m_currentCommand = CmdReadEvents;
        for (int i = 0; i < n; ++i)
            putBe32(m_request + 2 + 4 * i, addresses.at(i));
        m_requestCount = n;
        m_requestLength = static_cast<quint32>((n + 1) * 4);
        if (m_eventAddresses.isEmpty())
            m_tasks[task] = 0;
        break;
    }
    case TaskReadValues: buildIdRequest(CmdReadValues, m_valueIds, task); break;
    case TaskReadMin: buildIdRequest(CmdReadMin, m_minIds, task); break;
    case TaskReadMax: buildIdRequest(CmdReadMax, m_maxIds, task); break;
    case TaskReadPhysic: buildIdRequest(CmdReadPhysic, m_physicIds, task); break;
    case TaskNewEvents:
        m_currentCommand = CmdNewEvents;
        m_requestLength = 4;
        m_tasks[task] = 0;
        break;
    case TaskChanges:
        m_currentCommand = CmdChanges;
        m_requestLength = 4;
        m_tasks[task] = 0;
        break;
    case TaskMemory:
        m_currentCommand = CmdReadMemory;
        putBe32(m_request + 2, m_memoryAddress);
        putBe16(m_request + 6, m_memorySize);
        m_requestLength = 10;
        m_tasks[task] = 0;
        break;
    case TaskScada: {
        QMutexLocker lock(&m_scadaMutex);
        m_currentCommand = CmdScadaSoftware;
        QByteArray packet;
        m_scadaInFlight = !m_scadaPackets.isEmpty();
        if (m_scadaInFlight)
            packet = m_scadaPackets.takeFirst();
        noteScadaCount();
        m_sentScada = packet;
        std::memcpy(m_request + 2, packet.constData(), static_cast<size_t>(packet.size()));
        m_requestLength = static_cast<quint32>(packet.size() + 4);
        if (m_scadaPackets.isEmpty())
            m_tasks[task] = 0;
        else if (m_tasks[task] == 1)
            m_tasks[task] = 2;
        break;
    }
    case TaskLog: buildArchiveRequest(CmdReadLog, m_logRequests, task); break;
    case TaskLogCompress: buildArchiveRequest(CmdReadLogCompress, m_compressRequests, task); break;
    case TaskLogCompressRN: buildArchiveRequest(CmdReadLogCompressRN, m_compressRnRequests, task); break;
    default:
        m_currentCommand = CmdStatus;
        m_requestLength = 4;
        if (task == TaskStatus)
            m_tasks[task] = 0;
        break;
    }
}

// --- one exchange --------------------------------------------------------------------

void SpiDriver::preparePackage(unsigned char* request, unsigned int length)
{
    request[0] = m_currentCommand;
    request[1] = static_cast<quint8>(length);
    SpiFrame::setCrc(request, static_cast<int>(length));
    std::memset(m_tx, 0, sizeof m_tx);
    const int wire = SpiFrame::wrap(request, static_cast<int>(length), m_tx, SpiFrame::BufferSize);
    m_txLength = wire > 0 ? static_cast<quint32>(wire) : 0;
}

int SpiDriver::checkDriver()
{
    if (!m_transport)
        m_transport = SpiTransport::create();
    if (m_transport->isOpen())
        return 1;
    if (!m_transport->open()) {
        if (m_linkState != 1) {
            m_linkState = 1;
            spiDebug("[E] SPIDrive: SPIDriverCheck - SPI device not ready", QtWarningMsg);
        }
        return 0;
    }
    return 1;
}

void SpiDriver::countTotal()
{
    if (++m_counters[Total] == 0)
        for (auto& c : m_counters)
            c = 0;
}

int SpiDriver::sendPackage(int timeoutMs)
{
    m_replyLength = 0;
    m_scanner.reset();
    if (!checkDriver())
        return 0;

    // Write phase: the whole frame; what comes back meanwhile is not a reply.
    countTotal();
    std::memset(m_rx, 0, sizeof m_rx);
    if (m_transport->transfer(m_tx, m_rx, m_txLength, WriteSpeedHz) <= 0) {
        m_linkState = 3;
        spiDebug("[E] SPIDrive: sendPackage - SPI_NoAnswerReceived", QtWarningMsg);
        count(Lost);
        return 0;
    }

    // Read phase: 100-byte reads clocking out zeros until the end flag.
    std::memset(m_tx, 0, ReadChunk);
    QElapsedTimer timer;
    timer.start();
    bool overflow = false;
    while (m_scanner.state() != SpiFrame::Scanner::Complete) {
        if (timer.elapsed() >= timeoutMs || stopping())
            break;
        std::memset(m_rx, 0, ReadChunk);
        const int got = m_transport->transfer(m_tx, m_rx, ReadChunk, ReadSpeedHz);
        if (got <= 0) {
            m_linkState = 3;
            spiDebug("[E] SPIDrive: sendPackage - SPI_NoAnswerReceived", QtWarningMsg);
            count(Lost);
            return 0;
        }
        const SpiFrame::Scanner::State state = m_scanner.feed(m_rx, qMin(got, ReadChunk));
        if (state == SpiFrame::Scanner::Overflow
            || (state != SpiFrame::Scanner::Complete && m_scanner.length() > SpiFrame::BufferSize)) {
            spiDebug("[E] SPIDrive: sendPackage - Overflow while wait packet end", QtWarningMsg);
            overflow = true;
            break;
        }
    }

    // Closing byte.
    quint8 closeTx = 0;
    quint8 closeRx = 0;
    m_transport->transfer(&closeTx, &closeRx, 1, ReadSpeedHz);

    if (!overflow && m_scanner.state() == SpiFrame::Scanner::Complete) {
        m_replyLength = static_cast<quint32>(m_scanner.length());
        std::memcpy(m_reply, m_scanner.frame(), m_replyLength);
        count(Success);
        return 1;
    }
    m_linkState = 3;
    if (!m_scanner.sawStart())
        spiDebug("[E] SPIDrive: sendPackage - No begin SPI_MARKER was founded", QtDebugMsg);
    else
        spiDebug("[E] SPIDrive: sendPackage - No end SPI_MARKER was founded", QtDebugMsg);
    count(ErrFlag);
    return 0;
}

int SpiDriver::receivePackage()
{
    if (m_replyLength < static_cast<quint32>(ReplyOverhead)) {
        m_linkState = 3;
        spiDebug("[E] SPIDrive: receivePackage - Recieved message is very short", QtWarningMsg);
        count(ErrSlave);
        return 0;
    }
    if (!SpiFrame::checkCrc(m_reply, static_cast<int>(m_replyLength))) {
        m_linkState = 4;
        spiDebug("[E] SPIDrive: receivePackage - CRC Error", QtDebugMsg);
        count(ErrCrc);
        return 0;
    }
    if (m_reply[2] == 1) {
        m_linkState = 5;
        spiDebug("[E] SPIDrive: receivePackage - Error on Slave side", QtDebugMsg);
        count(ErrCrcSlave);
        return 0;
    }
    if (m_reply[0] != m_currentCommand) {
        m_linkState = 5;
        spiDebug("[E] SPIDrive: receivePackage - Error Master and Slave CMD are not identical", QtWarningMsg);
        count(ErrCrc);
        return 0;
    }
    handleReply();
    return 1;
}

// --- replies -----------------------------------------------------------------------

void SpiDriver::handleNotice()
{
    if (m_reply[3] == 4)
        setTask(TaskChanges, true);
    else if (m_reply[3] == 5)
        setTask(TaskNewEvents, true);
}

void SpiDriver::handleReply()
{
    handleNotice();
    switch (m_currentCommand) {
    case CmdReadValues:
    case CmdReadMin:
    case CmdReadMax:
    case CmdReadPhysic: handleValues(); break;
    case CmdChanges: handleChanges(); break;
    case CmdNewEvents: handleEventAddresses(); break;
    case CmdReadEvents: handleEvents(); break;
    case CmdReadMemory: handleMemory(); break;
    case CmdReadLog:
    case CmdReadLogCompress:
    case CmdReadLogCompressRN: handleArchive(); break;
    case CmdScadaSoftware: {
        QMutexLocker lock(&m_scadaMutex);
        m_scadaInFlight = false;
        noteScadaCount();
        break;
    }
    default: break;
    }
}

void SpiDriver::handleValues()
{
    int n = (static_cast<int>(m_replyLength) - ReplyOverhead) / 6;
    if (n > m_requestCount) {
        spiDebug(QString("[E] SPIDrive: reply holds %1 records, %2 asked").arg(n).arg(m_requestCount),
                 QtWarningMsg);
        n = m_requestCount;
    }
    for (int i = 0; i < n; ++i) {
        const quint8* p = m_reply + ReplyPayload + 6 * i;
        emit signalParamUpdated(be16(p), be32(p + 2), m_currentCommand);
    }
    if (n > 0)
        waitForStore();
}

void SpiDriver::queueChange(quint8 kind, quint16 id, qint64 readyAt)
{
    PacedQueue<quint16>* queue = &m_valueIds;
    int task = TaskReadValues;
    if (kind == 7) {
        queue = &m_minIds;
        task = TaskReadMin;
    } else if (kind == 8) {
        queue = &m_maxIds;
        task = TaskReadMax;
    } else if (kind == 15) {
        queue = &m_physicIds;
        task = TaskReadPhysic;
    }
    if (queue->appendOnce(id, readyAt))
        setTask(static_cast<unsigned char>(task), true);
}

void SpiDriver::handleChanges()
{
    const int n = qMin((static_cast<int>(m_replyLength) - ReplyOverhead) / 3, MaxRecords);
    for (int i = 0; i < n; ++i) {
        const quint8* p = m_reply + ReplyPayload + 3 * i;
        queueChange(p[0], be16(p + 1));
    }
}

void SpiDriver::handleEventAddresses()
{
    const int n = qMin((static_cast<int>(m_replyLength) - ReplyOverhead) / 4, MaxRecords);
    for (int i = 0; i < n; ++i) {
        const quint32 address = be32(m_reply + ReplyPayload + 4 * i);
        if (m_eventAddresses.contains(address))
            continue;
        if (hasRoom(m_eventAddresses.size(), MaxEventQueue, "event", m_eventsDropped))
            m_eventAddresses.append(address);
    }
    setTask(TaskReadEvents, true);
}

void SpiDriver::handleEvents()
{
    int n = (static_cast<int>(m_replyLength) - ReplyOverhead) / EventRecordSize;
    if (n > m_requestCount) {
        spiDebug(QString("[E] SPIDrive: reply holds %1 events, %2 asked").arg(n).arg(m_requestCount),
                 QtWarningMsg);
        n = m_requestCount;
    }
    for (int i = 0; i < n; ++i) {
        const char* p = reinterpret_cast<const char*>(m_reply + ReplyPayload + EventRecordSize * i);
        emit signalNewEvent(QByteArray(p, EventRecordSize));
    }
}

void SpiDriver::handleMemory()
{
    const int dataStart = ReplyPayload + 6;
    const int available = static_cast<int>(m_replyLength) - 2 - dataStart;
    if (available < 0) {
        spiDebug("[E] SPIDrive: memory reply without address and size", QtWarningMsg);
        return;
    }
    m_memoryAddress = be32(m_reply + ReplyPayload);
    const quint16 claimed = be16(m_reply + ReplyPayload + 4);
    const int copy = qMin(qMin(int(claimed), available), MemorySize);
    if (copy < claimed)
        spiDebug(QString("[E] SPIDrive: memory reply claims %1 bytes, carries %2").arg(claimed).arg(copy),
                 QtWarningMsg);
    m_memorySize = static_cast<quint16>(copy);
    std::memcpy(m_memory, m_reply + dataStart, static_cast<size_t>(copy));
    emit signalSoftwareRead(m_memoryAddress, m_memorySize, m_memory);
}

void SpiDriver::handleArchive()
{
    const int dataStart = ReplyPayload + ArchiveRequestSize;
    const int available = static_cast<int>(m_replyLength) - 2 - dataStart;
    if (available < 0) {
        spiDebug("[E] SPIDrive: archive reply without header", QtWarningMsg);
        return;
    }
    m_logHeader = QByteArray(reinterpret_cast<const char*>(m_reply + ReplyPayload), ArchiveRequestSize);
    const quint32 claimed = le32(m_reply + ReplyPayload + 11);
    int copy = available;
    if (claimed < static_cast<quint32>(available))
        copy = static_cast<int>(claimed);
    else if (claimed > static_cast<quint32>(available))
        spiDebug(QString("[E] SPIDrive: archive reply claims %1 bytes, carries %2").arg(claimed).arg(available),
                 QtWarningMsg);
    const QByteArray data(reinterpret_cast<const char*>(m_reply + dataStart), copy);
    if (m_currentCommand == CmdReadLog)
        emit signalLogRead(m_logHeader, data);
    else if (m_currentCommand == CmdReadLogCompress)
        emit signalSpiResiveLogCompress(m_logHeader, data);
    else
        emit signalSpiResiveLogCompressRN(m_logHeader, data);
}

bool SpiDriver::waitForStore()
{
    if (!m_parameters)
        return true;
    auto done = std::make_shared<QSemaphore>(0);
    QCoreApplication::postEvent(m_parameters, new StoreBarrierEvent(done));
    while (!done->tryAcquire(1, 20)) {
        if (stopping())
            return false;
    }
    return true;
}

// --- counters --------------------------------------------------------------------------

void SpiDriver::resetConnectCounters()
{
    m_quality = 0.0f;
    for (auto& c : m_counters)
        c = 0;
}

void SpiDriver::slotConnectQuality()
{
    const quint64 total = m_counters[Total].load();
    m_quality = total == 0 ? std::numeric_limits<float>::quiet_NaN()
                           : static_cast<float>(m_counters[Success].load()) / static_cast<float>(total) * 100.0f;
    if (!m_debug)
        return;
    spiDebug(QString("[I] SPIDrive: Quality %1%, Task %2, Total %3, Success %4, Lost %5, ErrCrc %6, "
                     "ErrCrcSlave %7, ErrSlave %8")
                 .arg(numberText(static_cast<double>(m_quality)))
                 .arg(m_currentTask)
                 .arg(total)
                 .arg(m_counters[Success].load())
                 .arg(m_counters[Lost].load())
                 .arg(m_counters[ErrCrc].load())
                 .arg(m_counters[ErrCrcSlave].load())
                 .arg(m_counters[ErrSlave].load()),
             QtDebugMsg);
}
