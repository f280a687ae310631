#ifndef CONTROLLER_MODEL_H
#define CONTROLLER_MODEL_H

#include "spiframe.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMap>
#include <QMutex>
#include <functional>
#include <QSet>
#include <QString>
#include <QVector>
#include <deque>

// The controller's side of the SPI link, for a development machine: its
// parameters (value, limits, physical-quantity code), the change notices, the
// event area, the memory the program reads a software image from, the archives
// and the SCADA packets. transfer() is one full-duplex SPI transfer as the
// station's master clocks it: a transfer carrying a complete request frame is
// answered by a reply frame clocked out over the following transfers, 0x00
// while there is nothing to send.
//
// Every public method is thread-safe: the link and the control channel may be
// served from different threads.
class ControllerModel
{
public:
    // Commands of the link.
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
        CmdReadArchive = 11,
        CmdReadArchiveCompressed = 12,
        CmdScadaWrite = 13,
        CmdReadArchiveCompressedRN = 14,
        CmdReadPhysic = 15
    };
    // Notice byte of a reply.
    enum Notice : quint8 { NoticeNone = 0, NoticeChanges = 4, NoticeEvents = 5 };
    // Kinds of a change record: the command the program reads the change with.
    enum ChangeKind : quint8 { KindValue = 2, KindMin = 7, KindMax = 8, KindPhysic = 15 };

    enum class Fault { None, Silent, Corrupt, Latency, Refuse };

    struct WriteRecord
    {
        quint16 id;
        quint32 raw;
        quint8 flag;
    };

    static constexpr quint32 InvalidValue = 0xFFFFFFFFu;
    static constexpr quint16 ClockId = 562;
    static constexpr float DefaultMin = 0.0f;
    static constexpr float DefaultMax = 999999.0f;
    // At most this many records per reply: the program counts records in 8 bits.
    static constexpr int MaxRecords = 255;
    // The writes kept for writes(): the newest, so that a long run holds no
    // more than a few MB; the oldest go first.
    static constexpr int MaxWriteRecords = 100000;

    // The event area: 5 pages of 4096 bytes, 195 records of 21 bytes each.
    static constexpr int EventRecordSize = 21;
    static constexpr int EventPages = 5;
    static constexpr int EventSlotsPerPage = 195;
    static constexpr int EventPageSize = 4096;

    // The software image as the program looks for it.
    static constexpr quint32 ProbeAddress = 0x800000;
    static constexpr quint32 ImageHeaderAddress = 0xD00000;
    static constexpr int ImageHeaderSize = 26;
    static constexpr quint32 ImageDataAddress = 0xD00100;

    ControllerModel();
    ~ControllerModel();

    // --- parameters --------------------------------------------------------
    // Takes every id and physical-quantity code of the program's parameter
    // database (the SQLite file carried in the resources). Needs a
    // QCoreApplication for the SQLite driver.
    bool loadDatabase(QString* error = nullptr);
    // Adds (or redefines) one parameter: value 0, default limits.
    void defineParameter(quint16 id, quint32 physic);
    // Starting values: CSV "id,value[,min,max]". A value is a float, a raw word
    // written 0x..., or "now" for the current UTC seconds. Unknown ids are
    // skipped with a warning. Nothing is announced.
    bool loadSeed(const QString& path, QString* error = nullptr);

    bool hasParameter(quint16 id) const;
    int parameterCount() const;
    QVector<quint16> ids() const;

    // Changes made on the controller's side; each is announced as the
    // controller would (change notice, then a change record). False for an
    // unknown id.
    bool setRaw(quint16 id, quint32 raw);
    bool setFloat(quint16 id, float value);
    bool setMin(quint16 id, float value);
    bool setMax(quint16 id, float value);
    bool setPhysic(quint16 id, quint32 physic);

    // InvalidValue / NaN / 0 for an unknown id.
    quint32 raw(quint16 id) const;
    float minimum(quint16 id) const;
    float maximum(quint16 id) const;
    quint32 physic(quint16 id) const;

    // The clock (562) ticks once a second and is announced each time; tests
    // that count notices stop it.
    void setClockRunning(bool running);

    // --- events ----------------------------------------------------------------
    // Stores a 21-byte record in the next slot of the event area and announces
    // it; returns the slot's address, or InvalidValue for a wrong size.
    quint32 addEvent(const QByteArray& record);
    // The 21 bytes at an address of the event area (0xFF outside it).
    QByteArray eventAt(quint32 address) const;
    static quint32 eventAddress(int slot);

    // --- memory and archives -------------------------------------------------
    // Unwritten memory reads as erased flash (0xFF).
    void writeMemory(quint32 address, const QByteArray& bytes);
    QByteArray readMemory(quint32 address, int size) const;
    // Lays out a software image: the probe at ProbeAddress (third byte 1, so
    // the header is at ImageHeaderAddress), the 26-byte header there (size,
    // data offset to ImageDataAddress, CRC-16/MODBUS of the image) and the
    // image at ImageDataAddress.
    void loadImage(const QByteArray& image);
    // The data served for archive command 11, 12 or 14.
    bool setArchive(quint8 command, const QByteArray& data);

    // --- the link ----------------------------------------------------------------
    // One full-duplex transfer; returns length. Sleeps the wire time
    // (length × 8 ÷ speedHz) unless switched off, less inFlightNs, the time
    // since the master started the transfer. A sleep overruns by the host's
    // wake-up delay; while the link runs (transfers less than 50 ms apart)
    // the overrun, up to 2 ms, counts towards the next transfers' wire time,
    // so the link keeps the wire's pace rather than adding one wake-up delay
    // per transfer.
    int transfer(const quint8* tx, quint8* rx, quint32 length, quint32 speedHz, qint64 inFlightNs = 0);
    void setWireTimeSimulated(bool on);

    // --- faults ----------------------------------------------------------------------
    // Silent: requests are ignored and reads return zeros. Corrupt: the next
    // argument replies carry a wrong CRC (the pending notices they carried
    // stay pending, as the program asks again). Latency: a reply becomes
    // readable argument milliseconds after its request. Refuse: the next
    // argument requests (of command only, when command is not -1) are not
    // served and answered with status 1; other commands are served.
    // Notices are consumed only by a reply clocked out whole, so a late,
    // corrupted or refused reply never loses them.
    void setFault(Fault fault, int argument = 0, int command = -1);
    Fault fault() const;
    // Requests (the whole frame: command, length, payload) that this names
    // are refused every time they come, whatever the fault: a controller
    // that cannot serve some requests and serves the others. Runs with the
    // model locked; it must not call the model. None by default.
    void setRefusal(std::function<bool(const QByteArray& request)> refuses);

    // --- what the program did --------------------------------------------------
    // The writes received, oldest first: the last MaxWriteRecords of them.
    // dropped, when given, gets how many came before those.
    QVector<WriteRecord> writes(quint64* dropped = nullptr) const;
    QList<QByteArray> scadaPackets() const;
    // Requests served, by command code.
    QMap<quint8, quint64> stats() const;
    // Requests received, by command code: served, refused, failed or left
    // unanswered alike.
    QMap<quint8, quint64> received() const;
    int pendingChangeCount() const;
    int pendingEventCount() const;
    // Takes a picture of received() at the moment the next write of id with
    // the raw word raw arrives (its own request counted), replacing an
    // earlier watch: what reached the controller after a given write is
    // then exact, however late the question is asked.
    void watchWrite(quint16 id, quint32 raw);
    // received() as it stood at the watched write; false while no watch is
    // set (why: "nothing watched") or its write has not come (why: "not
    // written yet").
    bool receivedAtWatchedWrite(QMap<quint8, quint64>* counts, QString* why) const;

private:
    struct Parameter
    {
        quint32 value = 0;
        float min = DefaultMin;
        float max = DefaultMax;
        quint32 physic = 0;
    };
    struct Change
    {
        quint8 kind;
        quint16 id;
    };

    // Changes one parameter under the lock and announces it; false for an unknown id.
    bool changeLocked(quint16 id, quint8 kind, const std::function<void(Parameter&)>& change);
    void advanceClockLocked();
    void announceLocked(quint8 kind, quint16 id);
    quint8 noticeLocked() const;
    void writeMemoryLocked(quint32 address, const char* data, int size);
    QByteArray readMemoryLocked(quint32 address, int size) const;
    // Builds the unescaped reply to one unescaped request frame.
    QByteArray replyToLocked(const quint8* frame, int length);
    QByteArray frameLocked(quint8 command, bool error, const QByteArray& payload) const;
    quint32 readKindLocked(quint8 command, quint16 id) const;
    // True when the reply's last byte went out.
    bool clockOut(quint8* rx, quint32 length);
    void sleepWireTime(qint64 ns, qint64 inFlightNs);

    mutable QMutex m_mutex;
    QHash<quint16, Parameter> m_params;

    QList<Change> m_changes;
    QSet<quint32> m_changeKeys;
    QList<quint32> m_newEvents;
    QByteArray m_eventArea;
    int m_nextEventSlot = 0;

    QHash<quint32, QByteArray> m_memoryPages;
    QHash<quint8, QByteArray> m_archives;

    std::deque<WriteRecord> m_writes;
    quint64 m_writesDropped = 0;
    QList<QByteArray> m_scadaPackets;
    QMap<quint8, quint64> m_stats;
    QMap<quint8, quint64> m_received;
    bool m_watching = false;
    bool m_watchedWritten = false;
    quint16 m_watchedId = 0;
    quint32 m_watchedRaw = 0;
    QMap<quint8, quint64> m_receivedAtWatched;

    Fault m_fault = Fault::None;
    int m_corruptLeft = 0;
    int m_latencyMs = 0;
    int m_refuseLeft = 0;
    int m_refuseCommand = -1;
    std::function<bool(const QByteArray&)> m_refuses;
    // Notices the reply being clocked out carries; consumed once it is out whole.
    int m_consumeChanges = 0;
    int m_consumeEvents = 0;

    SpiFrame::Scanner m_scanner;
    QByteArray m_out;
    int m_outPos = 0;
    qint64 m_outReadyAt = 0;

    QElapsedTimer m_monotonic;
    bool m_clockRunning = true;
    qint64 m_clockMark = 0;
    bool m_wireTime = true;
    // Wire-time overrun of the last sleep, and when that sleep ended.
    qint64 m_wireOverrunNs = 0;
    qint64 m_wireEndNs = 0;
};

#endif // CONTROLLER_MODEL_H
