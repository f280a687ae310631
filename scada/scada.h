#ifndef SCADA_H
#define SCADA_H

#include "common.h"
#include "hand_over_count.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QVector>
#include <QtGlobal>
#include <atomic>
#include <functional>
#include <memory>

class Parameters;
struct ParameterDef;
class QModbusTcpServer;
class QTimer;
class SpiDriver;
class WriteBacklog;

// One register entry of a map: which parameter a register (or a register pair)
// shows, how, and within which limits it may be written. The value is the
// register content the last refresh computed from the store.
struct ScadaParameter
{
    // What the SCADA master may do with the register.
    enum Operation : quint8 {
        OperationRead = 0,      // read only; a write is refused as an illegal address
        OperationReadWrite = 1  // read and written
    };

    // Register layout. Two-register types put the high word first (Modbus
    // order). The scaled types take the value as a float, convert it to the
    // entry's unit and multiply it by the coefficient; the raw types pass the
    // parameter's 32 bits unchanged (dates, counters, bit sets).
    enum DataType : quint8 {
        TypeUint16 = 0, // one register, unsigned, rounded and clamped
        TypeInt16 = 1,  // one register, two's complement, rounded and clamped
        TypeUint32 = 2, // two registers, unsigned
        TypeInt32 = 3,  // two registers, two's complement
        TypeFloat = 4,  // two registers, IEEE-754 single precision
        TypeRaw16 = 5,  // one register: the low 16 bits of the parameter's word
        TypeRaw32 = 6   // two registers: the parameter's word
    };

    quint16 id;          // parameter id in the store
    quint16 address;     // Modbus register address (protocol address, from 0)
    quint8 operation;    // Operation
    quint8 physic;       // physical quantity of the register's unit
    quint8 unit;         // unit index within that quantity
    quint8 typeData;     // DataType
    float coefficient;   // register = value in the entry's unit x coefficient
    float min;           // write limits, in register units
    float max;
    unTypeData value;    // register content: f for TypeFloat, i for the signed types, u otherwise
};

static_assert(sizeof(ScadaParameter) == 24, "a register entry is 24 bytes");

// The SCADA register-map engine. A map (a subclass) fills the register table in
// initParameters(); the engine refreshes the table from the store every 100 ms
// and serves it as holding and input registers over Modbus TCP. Everything but
// setProcessEnabled() and the archive reply slots runs in the SCADA thread, the
// thread the map is moved to: the table is touched only there.
class Scada : public QObject
{
    Q_OBJECT
public:
    static constexpr quint16 DefaultPort = 502;
    // More Modbus TCP clients than this are turned away (a station has one
    // or two masters), so that a master leaking connections or a port scan
    // cannot use up the program's descriptors.
    static constexpr int MaxConnections = 16;
    static constexpr int RefreshMs = 100;
    // Polls for transfers through the SPI link: every 5 ms for at most 5 s.
    static constexpr int PollMs = 5;
    static constexpr int TransferTimeoutMs = 5000;
    // The station's address on the SCADA link.
    static constexpr quint16 IdModbusAddress = 580;
    // Unit identifier served while the station has no valid address of its own.
    static constexpr int UnitIdNotSignificant = 255;
    static constexpr int ArchiveRequestSize = 15;
    // The request bytes a reply header repeats: selector, offset and length.
    static constexpr int ArchiveEchoSize = 11;
    // The SPI commands of the two archive reads.
    static constexpr quint8 CmdArchiveCompressed = 12;
    static constexpr quint8 CmdArchiveCompressedRN = 14;

    explicit Scada(quint16 port = DefaultPort, QObject* parent = nullptr);
    ~Scada() override;

    // --- set before process() ------------------------------------------------
    void setPort(quint16 port) { m_port = port; }
    quint16 port() const { return m_port; }
    // The store and the SPI driver; by default the application's.
    void setParameters(Parameters* parameters) { m_store = parameters; }
    void setSpiDriver(SpiDriver* driver);
    Parameters* parameters() const { return m_store; }
    SpiDriver* spiDriver() const;

    // Stores the flag; false also stops the refresh, closes the Modbus TCP
    // server (the port is free when the call returns) and ends a transfer wait;
    // true serves again once process() has run. Callable from any thread: from
    // another thread, while the map's thread runs, it is carried out in the
    // map's thread and returns when done, so call it before stopping that thread.
    Q_INVOKABLE void setProcessEnabled(bool enabled);
    bool isProcessEnabled() const { return m_processEnabled.load(); }
    // Readable from any thread.
    bool isListening() const { return m_listening.load(); }
    int serverAddress() const { return m_serverAddress.load(); }

    // --- the register table (SCADA thread) --------------------------------------
    const QVector<ScadaParameter>& registerTable() const { return m_table; }
    // Fills words with count registers from address; the result is 0 or a
    // Modbus exception code (2 illegal data address: a register without entry).
    quint8 readRegisters(quint16 address, quint16 count, QVector<quint16>* words) const;
    // Writes the registers from address: 2 when a register has no writable
    // entry or a two-register value is not written whole, 3 (illegal data
    // value) when a value is outside its entry's limits, 6 (server device
    // busy) while the SPI link's write backlog is full, so that a master
    // writing faster than the link is told to come back rather than queued
    // without end; nothing is written unless every value is accepted.
    quint8 writeRegisters(quint16 address, const QVector<quint16>& words);

    // --- software packets (SCADA thread) ------------------------------------------
    // u16 file, u16 part, u16 byte count, then the data; little-endian.
    static QByteArray softwarePacket(quint16 file, quint16 part, const QByteArray& data);
    // Hands one packet to the SPI driver and waits until the controller has
    // taken it; false after TransferTimeoutMs, when stopped or without
    // driver. The driver keeps a packet the controller refuses until it goes
    // through, also one given up on here: the next is handed over only once
    // that one has gone, within the same time, so the driver holds one of the
    // map's packets at a time.
    bool sendSoftwarePacket(quint16 file, quint16 part, const QByteArray& data);
    bool sendSoftwarePacket(const QByteArray& packet, int timeoutMs = TransferTimeoutMs);
    // True when no packet of this map waits for the SPI link; any thread.
    bool isSoftwareQueueEmpty() const;
    bool waitSoftwareQueueEmpty(int timeoutMs = TransferTimeoutMs) const;

    // --- archives (SCADA thread) -------------------------------------------------------
    // For tests: run in the SPI thread, with the SPI command, at the start of
    // every archive reply the driver delivers to a map, before the map is
    // looked at; none by default.
    using ArchiveReplyHook = void (*)(quint8 command);
    static void setArchiveReplyHook(ArchiveReplyHook hook);
    // The 15-byte archive request of the SCADA maps: 0, 0xFF 0xFF, u32 offset,
    // u32 length, u32 length; little-endian.
    static QByteArray archiveRequest(quint32 offset, quint32 length);
    // Asks the controller for length bytes of the compressed archive (second
    // form, SPI command 14) from offset and waits for the reply.
    bool readCompressLogRN(quint32 offset, quint32 length, QByteArray* header, QByteArray* data,
                           int timeoutMs = TransferTimeoutMs);

public slots:
    // Starts the map in its thread: driver connections, register table,
    // Modbus TCP server, value refresh.
    void process();
    // Runs in the SPI thread (through connectArchiveReply): keeps a reply
    // while the map waits for one.
    void slotScadaResiveCompressLogRN(QByteArray header, QByteArray data);

signals:
    void signalSoftwareWrite(QByteArray packet);
    void signalScadaRequestCompressLogRN(QByteArray request);
    // The wait for the reply to an archive request (SPI command 12 or 14)
    // ended without it: the SPI driver stops asking it again.
    void signalArchiveWaitEnded(quint8 command, QByteArray request);
    // A register write for the store, connected to Parameters::set.
    void signalParamSet(quint16 id, quint32 value, int flag);

protected:
    // Fills the register table with addParameter(); the engine's own table is empty.
    virtual void initParameters();
    void addParameter(const ScadaParameter& entry);
    // Makes the connections to the SPI driver; maps with requests of their
    // own add theirs after the engine's.
    virtual void connectSpiDriver(SpiDriver* driver);
    // Connects one of the driver's archive reply signals (SPI command
    // command), run in the SPI thread, to the map's slot that keeps it. The
    // reply passes a gate that the driver's disconnection closes: a reply
    // being stored is waited for, one that comes later is dropped, so none
    // ever runs in a released map.
    using ArchiveReplySlot = void (Scada::*)(QByteArray, QByteArray);
    void connectArchiveReply(SpiDriver* driver, void (SpiDriver::*signal)(QByteArray, QByteArray),
                             ArchiveReplySlot slot, quint8 command);
    // True while the driver connections stand (the map runs and has a driver).
    bool isSpiDriverConnected() const { return m_driverConnected; }
    // Writes one accepted register value (in register units) to the store:
    // divided by the coefficient, converted back from the entry's unit and
    // written with flag 3.
    virtual void setNewValue(const ScadaParameter& entry, double registerValue);
    // The register content of an entry for a raw parameter word.
    virtual unTypeData registerValue(const ScadaParameter& entry, quint32 raw) const;

    // Archive replies: kept only between beginArchiveWait() and the end of
    // waitArchiveReply(), and only those of the awaited SPI command (a late
    // reply of the other one may carry the same offset), appended to the two
    // buffers under a lock.
    void beginArchiveWait(quint8 command);
    void appendArchiveReply(quint8 command, const QByteArray& header, const QByteArray& data);
    // Takes the oldest kept reply whose header echoes the request's selector,
    // offset and length (bytes 0-10; bytes 11-14 carry the length of the data
    // sent) and removes it, so it is handed out once; the replies before it
    // (late answers, other requesters, other lengths) are dropped.
    bool takeArchiveReply(const QByteArray& request, QByteArray* header, QByteArray* data);
    bool waitArchiveReply(const QByteArray& request, QByteArray* header, QByteArray* data, int timeoutMs);
    // One archive read of SPI command command: ask sends the request to the
    // driver; the reply is waited for, and the driver is told when the wait
    // ends without one, so a refused request is not asked again for nobody.
    bool readArchive(quint8 command, quint32 offset, quint32 length, QByteArray* header, QByteArray* data,
                     int timeoutMs, const std::function<void(const QByteArray&)>& ask);

private slots:
    void slotUpdateValues();

private:
    struct ArchiveReplyGate;

    struct RegisterSlot
    {
        int entry;   // index in the table
        quint8 word; // 0 the entry's first register, 1 its second
    };

    static int registerCount(quint8 typeData);
    void indexTable();
    void startServing();
    void stopServing();
    void updateServerAddress();
    void disconnectSpiDriver();
    void fillUnitDefinition(const ScadaParameter& entry, ParameterDef* def) const;

    quint16 m_port;
    Parameters* m_store = nullptr;
    // Guarded: a map released after the SPI thread has gone finds it null.
    QPointer<SpiDriver> m_driver;
    QModbusTcpServer* m_server = nullptr;
    QTimer* m_refreshTimer = nullptr;
    bool m_started = false;
    bool m_driverConnected = false;
    std::atomic<bool> m_processEnabled{true};
    std::atomic<bool> m_listening{false};
    std::atomic<int> m_serverAddress{UnitIdNotSignificant};

    QVector<ScadaParameter> m_table;
    QHash<quint16, RegisterSlot> m_registers;

    // The SPI link's writes on their way (none without a driver), and the
    // map's own on their way to the store, which passes them on to the link.
    std::shared_ptr<const WriteBacklog> m_writeBacklog;
    HandOverCount m_toStore;

    // Packets emitted but not yet in the driver's queue. Shared with the
    // acknowledgement that runs in the SPI thread, which may outlive the map.
    std::shared_ptr<std::atomic<int>> m_packetsInFlight;

    // Shared with the reply connections, which the SPI thread may still be
    // running when the map goes; the map is reachable through it only while open.
    std::shared_ptr<ArchiveReplyGate> m_replyGate;
    QMutex m_archiveMutex;
    quint8 m_archiveCommand = 0; // the SPI command whose reply is awaited; 0 none
    QByteArray m_archiveHeader;  // 15-byte reply headers, one after the other
    QByteArray m_archiveData;    // their data, one after the other
    QList<int> m_archiveSizes;   // data bytes of each reply
};

#endif // SCADA_H
