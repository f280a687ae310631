#include "scada.h"

#include "connectionthreads.h"
#include "log_throttle.h"
#include "mainapplication.h"
#include "modbus_reply_guard.h"
#include "parameterdef.h"
#include "parameters.h"
#include "rawbits.h"
#include "saturate.h"
#include "spidriver.h"
#include "tcp_acceptor.h"
#include "tcp_keepalive.h"
#include "units.h"
#include "write_backlog.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QModbusDataUnit>
#include <QModbusPdu>
#include <QModbusTcpServer>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <cmath>
#include <cstring>

namespace {

constexpr quint8 NoException = 0;
constexpr quint8 IllegalDataAddress = QModbusPdu::IllegalDataAddress;
constexpr quint8 IllegalDataValue = QModbusPdu::IllegalDataValue;
constexpr quint8 ServerDeviceBusy = QModbusPdu::ServerDeviceBusy;

// Most registers one read may ask for, and one write may carry (Modbus limits).
constexpr int MaxReadCount = 125;
constexpr int MaxWriteCount = 123;
constexpr int MaxReadWriteCount = 121;

quint16 getBe16(const QByteArray& data, int at)
{
    return static_cast<quint16>((static_cast<quint8>(data.at(at)) << 8) | static_cast<quint8>(data.at(at + 1)));
}

void appendBe16(QByteArray& out, quint16 value)
{
    out.append(static_cast<char>(value >> 8));
    out.append(static_cast<char>(value & 0xFF));
}

void appendLe16(QByteArray& out, quint16 value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void appendLe32(QByteArray& out, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

quint32 bitsOf(const unTypeData& value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The quantities whose display unit is chosen station-wide: Parameters::convertTo
// converts them with the station's unit, not with the unit passed in.
bool hasStationUnit(int quantity)
{
    return quantity == 18 || quantity == 19 || quantity == 20 || quantity == 23 || quantity == 32;
}

QModbusResponse exceptionResponse(const QModbusPdu& request, quint8 code)
{
    return QModbusExceptionResponse(request.functionCode(), static_cast<QModbusPdu::ExceptionCode>(code));
}

QByteArray registerBytes(const QVector<quint16>& words)
{
    QByteArray out;
    out.append(static_cast<char>(words.size() * 2));
    for (quint16 w : words)
        appendBe16(out, w);
    return out;
}

// Reaches the protected accepting of a QTcpServer that is not ours.
struct ListenerAccess : QTcpServer
{
    static void hand(QTcpServer* server, QTcpSocket* socket)
    {
        (server->*(&ListenerAccess::addPendingConnection))(socket);
        emit server->newConnection();
    }
};

// The station's Modbus TCP server: QtSerialBus does the framing, the
// connections and the unit identifier; the map serves the registers, so the
// register functions answer with the exceptions the map decides.
class ScadaModbusServer : public QModbusTcpServer
{
public:
    ScadaModbusServer(Scada* map, QObject* parent)
        : QModbusTcpServer(parent)
        , m_map(map)
    {
        // The station's Qt has no connection observer: the connections are
        // accepted here instead, on QtSerialBus's own listening QTcpServer
        // (its one QTcpServer child), capped and probed before QtSerialBus
        // takes them, and guarded while it serves them.
        m_listener = findChild<QTcpServer*>(QString(), Qt::FindDirectChildrenOnly);
        if (m_listener)
            m_acceptor = new TcpAcceptor(m_listener, [this](qintptr descriptor) { admit(descriptor); },
                                         QStringLiteral("SCADA:"), QStringLiteral("SCADA:"));
        else
            qWarning() << "SCADA: the Modbus TCP listener is out of reach; its clients are neither capped nor probed,"
                          " nor held back when they leave their replies unread";
    }

    ~ScadaModbusServer() override
    {
        // The listening socket closes in the base destructor.
        if (m_acceptor)
            m_acceptor->stop();
    }

protected:
    bool open() override
    {
        if (!QModbusTcpServer::open())
            return false;
        if (m_acceptor)
            m_acceptor->start();
        return true;
    }

    void close() override
    {
        if (m_acceptor)
            m_acceptor->stop();
        QModbusTcpServer::close();
    }

    QModbusResponse processRequest(const QModbusPdu& request) override
    {
        const QByteArray data = request.data();
        switch (request.functionCode()) {
        case QModbusPdu::ReadHoldingRegisters:
        case QModbusPdu::ReadInputRegisters: {
            if (data.size() != 4)
                return exceptionResponse(request, IllegalDataValue);
            const quint16 address = getBe16(data, 0);
            const quint16 count = getBe16(data, 2);
            if (count < 1 || count > MaxReadCount)
                return exceptionResponse(request, IllegalDataValue);
            QVector<quint16> words;
            const quint8 result = m_map->readRegisters(address, count, &words);
            if (result != NoException)
                return exceptionResponse(request, result);
            return QModbusResponse(request.functionCode(), registerBytes(words));
        }
        case QModbusPdu::WriteSingleRegister: {
            if (data.size() != 4)
                return exceptionResponse(request, IllegalDataValue);
            const quint8 result = m_map->writeRegisters(getBe16(data, 0), QVector<quint16>{getBe16(data, 2)});
            if (result != NoException)
                return exceptionResponse(request, result);
            return QModbusResponse(request.functionCode(), data);
        }
        case QModbusPdu::WriteMultipleRegisters: {
            if (data.size() < 5)
                return exceptionResponse(request, IllegalDataValue);
            const quint16 address = getBe16(data, 0);
            const quint16 count = getBe16(data, 2);
            const int bytes = static_cast<quint8>(data.at(4));
            if (count < 1 || count > MaxWriteCount || bytes != count * 2 || data.size() != 5 + bytes)
                return exceptionResponse(request, IllegalDataValue);
            QVector<quint16> words;
            for (int i = 0; i < count; ++i)
                words.append(getBe16(data, 5 + 2 * i));
            const quint8 result = m_map->writeRegisters(address, words);
            if (result != NoException)
                return exceptionResponse(request, result);
            return QModbusResponse(request.functionCode(), data.left(4));
        }
        case QModbusPdu::ReadWriteMultipleRegisters: {
            if (data.size() < 9)
                return exceptionResponse(request, IllegalDataValue);
            const quint16 readAddress = getBe16(data, 0);
            const quint16 readCount = getBe16(data, 2);
            const quint16 writeAddress = getBe16(data, 4);
            const quint16 writeCount = getBe16(data, 6);
            const int bytes = static_cast<quint8>(data.at(8));
            if (readCount < 1 || readCount > MaxReadCount || writeCount < 1 || writeCount > MaxReadWriteCount
                || bytes != writeCount * 2 || data.size() != 9 + bytes)
                return exceptionResponse(request, IllegalDataValue);
            // The write goes first; the read then sees the registers as they
            // stand (the store takes the write through the controller).
            QVector<quint16> words;
            for (int i = 0; i < writeCount; ++i)
                words.append(getBe16(data, 9 + 2 * i));
            quint8 result = m_map->writeRegisters(writeAddress, words);
            if (result == NoException)
                result = m_map->readRegisters(readAddress, readCount, &words);
            if (result != NoException)
                return exceptionResponse(request, result);
            return QModbusResponse(request.functionCode(), registerBytes(words));
        }
        default:
            return QModbusTcpServer::processRequest(request);
        }
    }

    // The remaining functions of QtSerialBus that touch registers (mask write)
    // reach the table through these; coils and discrete inputs have none.
    bool readData(QModbusDataUnit* unit) const override
    {
        if (!unit || !isRegisterTable(unit->registerType()) || !inRange(*unit))
            return false;
        QVector<quint16> words;
        if (m_map->readRegisters(static_cast<quint16>(unit->startAddress()),
                                 static_cast<quint16>(unit->valueCount()), &words)
            != NoException)
            return false;
        unit->setValues(words);
        return true;
    }

    bool writeData(const QModbusDataUnit& unit) override
    {
        if (unit.registerType() != QModbusDataUnit::HoldingRegisters || !inRange(unit))
            return false;
        return m_map->writeRegisters(static_cast<quint16>(unit.startAddress()), unit.values()) == NoException;
    }

private:
    static bool isRegisterTable(QModbusDataUnit::RegisterType type)
    {
        return type == QModbusDataUnit::HoldingRegisters || type == QModbusDataUnit::InputRegisters;
    }

    static bool inRange(const QModbusDataUnit& unit)
    {
        const qint64 start = unit.startAddress();
        const qint64 count = unit.valueCount();
        return start >= 0 && count >= 1 && start + count <= 0x10000;
    }

    // Hands a connection to QtSerialBus while fewer than the cap are open
    // (the sockets it holds stay children of its QTcpServer), as the
    // QTcpServer's own accepting would: it makes a socket, a child of the
    // QTcpServer, a pending connection and tells; QtSerialBus takes it then.
    // Over the cap the connection is closed at once.
    void admit(qintptr descriptor)
    {
        int open = 0;
        for (QTcpSocket* socket : m_listener->findChildren<QTcpSocket*>(QString(), Qt::FindDirectChildrenOnly))
            if (socket->state() == QAbstractSocket::ConnectedState)
                ++open;
        if (open >= Scada::MaxConnections) {
            quint64 held = 0;
            if (m_refusals.pass(RefusedOverCap, &held))
                qWarning().noquote() << QStringLiteral("SCADA: Modbus TCP client refused: %1 clients connected%2")
                                            .arg(Scada::MaxConnections)
                                            .arg(LogThrottle::heldText(held));
            ConnectionThreads::refuse(descriptor);
            return;
        }
        TcpKeepAlive::enable(descriptor);
        auto* socket = new QTcpSocket(m_listener);
        if (!socket->setSocketDescriptor(descriptor)) {
            quint64 held = 0;
            if (m_refusals.pass(RefusedUnusable, &held))
                qWarning().noquote() << QStringLiteral("SCADA: Modbus TCP client refused: %1%2")
                                            .arg(socket->errorString(), LogThrottle::heldText(held));
            delete socket;
            ConnectionThreads::refuse(descriptor);
            return;
        }
        ListenerAccess::hand(m_listener, socket);
        new ModbusReplyGuard(socket, m_replyDrops);
    }

    enum Refusal { RefusedOverCap, RefusedUnusable };

    Scada* m_map;
    QTcpServer* m_listener = nullptr;
    TcpAcceptor* m_acceptor = nullptr;
    // A flood of refused clients is logged now and then, not line by line.
    LogThrottle m_refusals;
    // So are the masters dropped for leaving their replies unread.
    std::shared_ptr<LogThrottle> m_replyDrops = std::make_shared<LogThrottle>();
};

std::atomic<Scada::ArchiveReplyHook> archiveReplyHook{nullptr};

} // namespace

// Held by the map and by each of its reply connections.
struct Scada::ArchiveReplyGate
{
    QMutex mutex;
    Scada* map = nullptr; // null while closed
};

Scada::Scada(quint16 port, QObject* parent)
    : QObject(parent)
    , m_port(port)
    , m_packetsInFlight(std::make_shared<std::atomic<int>>(0))
    , m_replyGate(std::make_shared<ArchiveReplyGate>())
{
}

Scada::~Scada()
{
    // Closes the reply gate: no reply runs in the map once this returns.
    disconnectSpiDriver();
}

void Scada::setSpiDriver(SpiDriver* driver)
{
    m_driver = driver;
}

SpiDriver* Scada::spiDriver() const
{
    return m_driver.data();
}

// --- start and stop ------------------------------------------------------------------

void Scada::process()
{
    if (m_started) {
        qWarning() << "SCADA:" << metaObject()->className() << "already started";
        return;
    }
    m_started = true;
    if (MainApplication* app = MainApplication::getInstance()) {
        if (!m_store)
            m_store = app->getParameters();
        if (!m_driver)
            m_driver = app->getSpiDriver();
    }
    qDebug() << "SCADA: start" << metaObject()->className() << "on port" << m_port;

    if (m_store)
        m_toStore.connect(this, &Scada::signalParamSet, m_store, qOverload<quint16, quint32, int>(&Parameters::set));
    if (m_driver)
        m_writeBacklog = m_driver->writeBacklog();

    m_table.clear();
    initParameters();
    indexTable();

    // QtSerialBus answers each request as it arrives: no stack poll to run.

    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setInterval(RefreshMs);
    connect(m_refreshTimer, &QTimer::timeout, this, &Scada::slotUpdateValues);

    startServing();
}

void Scada::setProcessEnabled(bool enabled)
{
    // Stored first: a transfer wait in the map's thread gives up at its next
    // poll, so the map's thread is free to answer the call below.
    m_processEnabled = enabled;
    QThread* own = thread();
    if (own && own != QThread::currentThread() && own->isRunning()) {
        QMetaObject::invokeMethod(this, "setProcessEnabled", Qt::BlockingQueuedConnection, Q_ARG(bool, enabled));
        return;
    }
    if (!enabled)
        stopServing();
    else if (own == QThread::currentThread())
        startServing();
}

void Scada::startServing()
{
    if (!m_started || !m_processEnabled)
        return;
    if (m_driver && !m_driverConnected) {
        {
            QMutexLocker lock(&m_replyGate->mutex);
            m_replyGate->map = this;
        }
        connectSpiDriver(m_driver.data());
        m_driverConnected = true;
    }
    slotUpdateValues();

    if (!m_server)
        m_server = new ScadaModbusServer(this, this);
    if (m_server->state() != QModbusDevice::ConnectedState) {
        m_server->setConnectionParameter(QModbusDevice::NetworkPortParameter, m_port);
        // Every interface of the station, not QtSerialBus's default of the loopback.
        m_server->setConnectionParameter(QModbusDevice::NetworkAddressParameter, QStringLiteral("0.0.0.0"));
        m_server->setServerAddress(m_serverAddress.load());
        if (!m_server->connectDevice()) {
            qWarning() << "SCADA: Modbus TCP server cannot open port" << m_port << ":" << m_server->errorString();
            return;
        }
    }
    m_listening = true;
    m_refreshTimer->start();
}

void Scada::stopServing()
{
    if (m_refreshTimer)
        m_refreshTimer->stop();
    if (m_server && m_server->state() != QModbusDevice::UnconnectedState)
        m_server->disconnectDevice();
    m_listening = false;
    disconnectSpiDriver();
}

// --- the SPI driver --------------------------------------------------------------------

void Scada::connectSpiDriver(SpiDriver* driver)
{
    // The packet goes to the driver's queue; the acknowledgement behind it, on
    // the same connection type to the same thread, runs after the driver has
    // queued it. Until then the packet counts as in flight (isSoftwareQueueEmpty).
    connect(this, &Scada::signalSoftwareWrite, driver, &SpiDriver::slotScadaSoftwareWrite);
    const std::shared_ptr<std::atomic<int>> inFlight = m_packetsInFlight;
    connect(this, &Scada::signalSoftwareWrite, driver, [inFlight](QByteArray) { inFlight->fetch_sub(1); });

    connect(this, &Scada::signalScadaRequestCompressLogRN, driver, &SpiDriver::slotSpiRequestLogCompressRN);
    connectArchiveReply(driver, &SpiDriver::signalSpiResiveLogCompressRN, &Scada::slotScadaResiveCompressLogRN,
                        CmdArchiveCompressedRN);
    // Queued behind the request on the same road, so it never overtakes it.
    connect(this, &Scada::signalArchiveWaitEnded, driver, &SpiDriver::slotArchiveWaitEnded);
}

void Scada::connectArchiveReply(SpiDriver* driver, void (SpiDriver::*signal)(QByteArray, QByteArray),
                                ArchiveReplySlot slot, quint8 command)
{
    // Disconnecting does not stop a call the SPI thread has already begun, so
    // the call holds the gate, never the map: the gate outlives the map.
    const std::shared_ptr<ArchiveReplyGate> gate = m_replyGate;
    connect(driver, signal, this, [gate, slot, command](QByteArray header, QByteArray data) {
        if (const ArchiveReplyHook hook = archiveReplyHook.load())
            hook(command);
        QMutexLocker lock(&gate->mutex);
        if (gate->map)
            (gate->map->*slot)(header, data);
    }, Qt::DirectConnection);
}

void Scada::setArchiveReplyHook(ArchiveReplyHook hook)
{
    archiveReplyHook = hook;
}

void Scada::disconnectSpiDriver()
{
    {
        // Waits for a reply being stored; the store takes only the archive
        // lock, which the map's own thread holds briefly, so this is short.
        QMutexLocker lock(&m_replyGate->mutex);
        m_replyGate->map = nullptr;
    }
    if (!m_driver) {
        // Its connections went with it.
        m_driverConnected = false;
        return;
    }
    if (!m_driverConnected)
        return;
    QObject::disconnect(this, nullptr, m_driver.data(), nullptr);
    QObject::disconnect(m_driver.data(), nullptr, this, nullptr);
    m_driverConnected = false;
}

// --- the register table --------------------------------------------------------------------

void Scada::initParameters()
{
}

void Scada::addParameter(const ScadaParameter& entry)
{
    ScadaParameter e = entry;
    e.value.u = 0;
    if (!std::isfinite(e.coefficient) || e.coefficient == 0.0f) {
        qWarning() << "SCADA: register" << e.address << "of parameter" << e.id << "has coefficient"
                   << e.coefficient << ", 1 used";
        e.coefficient = 1.0f;
    }
    if (m_store && !m_store->getParameter(e.id))
        qWarning() << "SCADA: register" << e.address << "names unknown parameter" << e.id;
    m_table.append(e);
}

int Scada::registerCount(quint8 typeData)
{
    switch (typeData) {
    case ScadaParameter::TypeUint16:
    case ScadaParameter::TypeInt16:
    case ScadaParameter::TypeRaw16:
        return 1;
    case ScadaParameter::TypeUint32:
    case ScadaParameter::TypeInt32:
    case ScadaParameter::TypeFloat:
    case ScadaParameter::TypeRaw32:
        return 2;
    default:
        return 0;
    }
}

void Scada::indexTable()
{
    m_registers.clear();
    for (int i = 0; i < m_table.size(); ++i) {
        const ScadaParameter& e = m_table.at(i);
        const int words = registerCount(e.typeData);
        bool free = words > 0 && quint32(e.address) + quint32(words) - 1 <= 0xFFFF;
        for (int w = 0; free && w < words; ++w)
            free = !m_registers.contains(static_cast<quint16>(e.address + w));
        if (!free) {
            qWarning() << "SCADA: register" << e.address << "of parameter" << e.id
                       << "overlaps another, lies beyond the address space or has an unknown type; not served";
            continue;
        }
        for (int w = 0; w < words; ++w)
            m_registers.insert(static_cast<quint16>(e.address + w), RegisterSlot{i, static_cast<quint8>(w)});
    }
}

void Scada::fillUnitDefinition(const ScadaParameter& entry, ParameterDef* def) const
{
    def->id = entry.id;
    def->physic = entry.physic;
    def->unitOut.store(entry.unit);
}

unTypeData Scada::registerValue(const ScadaParameter& entry, quint32 raw) const
{
    unTypeData out;
    out.u = 0;
    switch (entry.typeData) {
    case ScadaParameter::TypeRaw16:
        out.u = raw & 0xFFFFu;
        return out;
    case ScadaParameter::TypeRaw32:
        out.u = raw;
        return out;
    default:
        break;
    }
    ParameterDef def;
    fillUnitDefinition(entry, &def);
    const float converted = m_store ? m_store->convertFrom(floatFromBits(raw), &def, true, false) : floatFromBits(raw);
    const double scaled = double(converted) * double(entry.coefficient);
    switch (entry.typeData) {
    case ScadaParameter::TypeUint16: out.u = saturatingRound<quint16>(scaled); break;
    case ScadaParameter::TypeInt16: out.i = saturatingRound<qint16>(scaled); break;
    case ScadaParameter::TypeUint32: out.u = saturatingRound<quint32>(scaled); break;
    case ScadaParameter::TypeInt32: out.i = saturatingRound<qint32>(scaled); break;
    case ScadaParameter::TypeFloat: out.f = static_cast<float>(scaled); break;
    default: break;
    }
    return out;
}

void Scada::slotUpdateValues()
{
    updateServerAddress();
    if (!m_store)
        return;
    for (ScadaParameter& e : m_table) {
        if (const ParameterDef* def = m_store->getParameter(e.id))
            e.value = registerValue(e, def->value.load());
    }
}

void Scada::updateServerAddress()
{
    // QtSerialBus answers only the unit identifier equal to the server address
    // and ignores every other; the station answers to its address on the SCADA
    // link, like on its serial line, and to 255 while it has none (the value
    // Modbus TCP gives a unit identifier that does not matter).
    int address = UnitIdNotSignificant;
    if (m_store) {
        if (const ParameterDef* def = m_store->getParameter(IdModbusAddress)) {
            const quint32 raw = def->value.load();
            if (ParameterDef::isValidRaw(raw, def->physic.load())) {
                const unsigned int configured = saturatingUInt(floatFromBits(raw));
                if (configured >= 1 && configured <= 247)
                    address = static_cast<int>(configured);
            }
        }
    }
    if (address == m_serverAddress.load())
        return;
    m_serverAddress = address;
    if (m_server)
        m_server->setServerAddress(address);
    qDebug() << "SCADA: Modbus unit identifier" << address;
}

quint8 Scada::readRegisters(quint16 address, quint16 count, QVector<quint16>* words) const
{
    words->clear();
    words->reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        const quint32 at = quint32(address) + i;
        const auto it = at <= 0xFFFF ? m_registers.constFind(static_cast<quint16>(at)) : m_registers.constEnd();
        if (it == m_registers.constEnd())
            return IllegalDataAddress;
        const ScadaParameter& e = m_table.at(it->entry);
        const quint32 bits = bitsOf(e.value);
        if (registerCount(e.typeData) == 1)
            words->append(static_cast<quint16>(bits & 0xFFFFu));
        else
            words->append(static_cast<quint16>(it->word == 0 ? bits >> 16 : bits & 0xFFFFu));
    }
    return NoException;
}

quint8 Scada::writeRegisters(quint16 address, const QVector<quint16>& words)
{
    struct Accepted
    {
        int entry;
        double value;
    };
    QVector<Accepted> accepted;
    const int n = words.size();
    if (n == 0)
        return IllegalDataValue;
    // Addresses first: every register must start a writable entry and a
    // two-register value must come whole.
    for (int i = 0; i < n;) {
        const quint32 at = quint32(address) + quint32(i);
        const auto it = at <= 0xFFFF ? m_registers.constFind(static_cast<quint16>(at)) : m_registers.constEnd();
        if (it == m_registers.constEnd() || it->word != 0)
            return IllegalDataAddress;
        const ScadaParameter& e = m_table.at(it->entry);
        const int size = registerCount(e.typeData);
        if (e.operation != ScadaParameter::OperationReadWrite || i + size > n)
            return IllegalDataAddress;
        const quint32 bits = size == 1 ? quint32(words.at(i)) : (quint32(words.at(i)) << 16) | words.at(i + 1);
        double value = 0.0;
        switch (e.typeData) {
        case ScadaParameter::TypeInt16: value = bits >= 0x8000u ? double(bits) - 65536.0 : double(bits); break;
        case ScadaParameter::TypeInt32: value = bits >= 0x80000000u ? double(bits) - 4294967296.0 : double(bits); break;
        case ScadaParameter::TypeFloat: value = double(floatFromBits(bits)); break;
        default: value = double(bits); break;
        }
        accepted.append(Accepted{it->entry, value});
        i += size;
    }
    // Then the limits, on the register value as the master sent it.
    for (const Accepted& a : qAsConst(accepted)) {
        const ScadaParameter& e = m_table.at(a.entry);
        if (!Common::checkRange(a.value, e.min, e.max, 1))
            return IllegalDataValue;
    }
    // A write the map takes waits for room on the link; the master is told
    // to ask again.
    if (WriteBacklog::isFullWith(m_writeBacklog.get(), m_toStore.count()))
        return ServerDeviceBusy;
    for (const Accepted& a : qAsConst(accepted))
        setNewValue(m_table.at(a.entry), a.value);
    return NoException;
}

void Scada::setNewValue(const ScadaParameter& entry, double registerValue)
{
    if (entry.typeData == ScadaParameter::TypeRaw16 || entry.typeData == ScadaParameter::TypeRaw32) {
        emit signalParamSet(entry.id, saturatingCast<quint32>(registerValue), 3);
        return;
    }
    const float value = static_cast<float>(registerValue / double(entry.coefficient));
    float raw = value;
    const int quantity = Units::quantity(entry.physic);
    if (hasStationUnit(quantity)) {
        // The register was read in the entry's unit (convertFrom without the
        // station's units); it is written back in the same unit.
        const Units::Entry unit = Units::entry(entry.physic, entry.unit);
        raw = (value - unit.offset) / unit.scale;
    } else if (m_store) {
        ParameterDef def;
        fillUnitDefinition(entry, &def);
        raw = m_store->convertTo(value, &def, true);
    }
    emit signalParamSet(entry.id, bitsFromFloat(raw), 3);
}

// --- software packets --------------------------------------------------------------------

QByteArray Scada::softwarePacket(quint16 file, quint16 part, const QByteArray& data)
{
    QByteArray packet;
    appendLe16(packet, file);
    appendLe16(packet, part);
    appendLe16(packet, static_cast<quint16>(data.size()));
    packet.append(data);
    return packet;
}

bool Scada::sendSoftwarePacket(quint16 file, quint16 part, const QByteArray& data)
{
    return sendSoftwarePacket(softwarePacket(file, part, data));
}

bool Scada::sendSoftwarePacket(const QByteArray& packet, int timeoutMs)
{
    if (!m_driverConnected || !m_processEnabled)
        return false;
    // The driver drops a packet that does not fit one frame; waiting for its
    // queue to empty would then report a transfer that never happened.
    if (packet.size() > SpiDriver::MaxScadaPacket) {
        qWarning().noquote() << QString("Scada: software packet of %1 bytes is longer than %2, not sent")
                                    .arg(packet.size()).arg(SpiDriver::MaxScadaPacket);
        return false;
    }
    QElapsedTimer elapsed;
    elapsed.start();
    if (!waitSoftwareQueueEmpty(timeoutMs))
        return false;
    // Counted before it leaves, so the queue never looks empty while the
    // packet is still on its way to the driver.
    m_packetsInFlight->fetch_add(1);
    emit signalSoftwareWrite(packet);
    return waitSoftwareQueueEmpty(int(qMax<qint64>(0, timeoutMs - elapsed.elapsed())));
}

bool Scada::isSoftwareQueueEmpty() const
{
    // In this order: the acknowledgement counts a packet down only after the
    // driver has queued it, so once nothing is in flight the driver's count
    // read next includes every packet of this map.
    if (m_packetsInFlight->load() != 0)
        return false;
    const SpiDriver* driver = m_driver.data();
    return !driver || driver->scadaPacketCount() == 0;
}

bool Scada::waitSoftwareQueueEmpty(int timeoutMs) const
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!isSoftwareQueueEmpty()) {
        if (!m_processEnabled || elapsed.elapsed() >= timeoutMs)
            return false;
        Common::sleep(PollMs);
    }
    return true;
}

// --- archives ----------------------------------------------------------------------------

QByteArray Scada::archiveRequest(quint32 offset, quint32 length)
{
    QByteArray request;
    request.append('\0');
    request.append(static_cast<char>(0xFF));
    request.append(static_cast<char>(0xFF));
    appendLe32(request, offset);
    appendLe32(request, length);
    appendLe32(request, length);
    return request;
}

bool Scada::readCompressLogRN(quint32 offset, quint32 length, QByteArray* header, QByteArray* data, int timeoutMs)
{
    return readArchive(CmdArchiveCompressedRN, offset, length, header, data, timeoutMs,
                       [this](const QByteArray& request) { emit signalScadaRequestCompressLogRN(request); });
}

bool Scada::readArchive(quint8 command, quint32 offset, quint32 length, QByteArray* header, QByteArray* data,
                        int timeoutMs, const std::function<void(const QByteArray&)>& ask)
{
    if (!m_driverConnected || !m_processEnabled)
        return false;
    const QByteArray request = archiveRequest(offset, length);
    beginArchiveWait(command);
    ask(request);
    if (waitArchiveReply(request, header, data, timeoutMs))
        return true;
    emit signalArchiveWaitEnded(command, request);
    return false;
}

void Scada::slotScadaResiveCompressLogRN(QByteArray header, QByteArray data)
{
    appendArchiveReply(CmdArchiveCompressedRN, header, data);
}

void Scada::beginArchiveWait(quint8 command)
{
    QMutexLocker lock(&m_archiveMutex);
    m_archiveCommand = command;
    m_archiveHeader.clear();
    m_archiveData.clear();
    m_archiveSizes.clear();
}

void Scada::appendArchiveReply(quint8 command, const QByteArray& header, const QByteArray& data)
{
    QMutexLocker lock(&m_archiveMutex);
    // The SPI driver hands every archive reply to every listener; only those
    // of the command the map waits for are kept, so nothing piles up.
    if (command != m_archiveCommand)
        return;
    QByteArray fixed = header.left(ArchiveRequestSize);
    fixed.append(QByteArray(ArchiveRequestSize - fixed.size(), '\0'));
    m_archiveHeader.append(fixed);
    m_archiveData.append(data);
    m_archiveSizes.append(data.size());
}

bool Scada::takeArchiveReply(const QByteArray& request, QByteArray* header, QByteArray* data)
{
    const QByteArray echoed = request.left(ArchiveEchoSize);
    if (echoed.size() != ArchiveEchoSize)
        return false;
    QMutexLocker lock(&m_archiveMutex);
    while (!m_archiveSizes.isEmpty()) {
        const int size = m_archiveSizes.takeFirst();
        const QByteArray h = m_archiveHeader.left(ArchiveRequestSize);
        const QByteArray d = m_archiveData.left(size);
        m_archiveHeader.remove(0, ArchiveRequestSize);
        m_archiveData.remove(0, size);
        if (h.startsWith(echoed)) {
            *header = h;
            *data = d;
            return true;
        }
    }
    return false;
}

bool Scada::waitArchiveReply(const QByteArray& request, QByteArray* header, QByteArray* data, int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    bool taken = false;
    for (;;) {
        taken = takeArchiveReply(request, header, data);
        if (taken || !m_processEnabled || elapsed.elapsed() >= timeoutMs)
            break;
        Common::sleep(PollMs);
    }
    QMutexLocker lock(&m_archiveMutex);
    m_archiveCommand = 0;
    m_archiveHeader.clear();
    m_archiveData.clear();
    m_archiveSizes.clear();
    return taken;
}
