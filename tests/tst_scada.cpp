// The SCADA engine over its real links: a Modbus TCP master against a map in
// its own thread, the store behind it, and the SPI driver talking to the
// in-process controller for software packets and archives.
#include "controller_model.h"
#include "model_transport.h"
#include "parameters.h"
#include "rawbits.h"
#include "scada.h"
#include "scada_tarvesk.h"
#include "scada_vorivu.h"
#include "spidriver.h"
#include "spithread.h"
#include "test_database.h"

#include <QModbusReply>
#include <QModbusTcpClient>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTcpServer>
#include <QThread>
#include <QTimer>
#include <QtTest>

namespace {

enum : quint16 {
    IdTemperature = 101, // Int16, °F, x10, read only
    IdLevel = 102,       // Float, read and written
    IdVoltage = 103,     // Uint16, kV, x100, read and written
    IdSetpoint = 104,    // Int16, °C, a quantity with a station-wide unit
    IdCounter = 105,     // Raw32
    IdModbusAddress = 580,
    IdUnitTemperature = 586
};

constexpr int ReplyTimeoutMs = 10000;

quint16 freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::AnyIPv4, 0))
        return 0;
    return probe.serverPort();
}

QByteArray archiveBytes(int size, int seed)
{
    QByteArray data;
    for (int i = 0; i < size; ++i)
        data.append(static_cast<char>((i * 7 + seed) & 0xFF));
    return data;
}

quint32 le32(const QByteArray& data, int at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(data.at(at + i));
    return value;
}

// A map with a small table of every kind, and slots that run the engine's
// blocking transfers in the map's thread.
class TestMap : public Scada
{
    Q_OBJECT
public:
    explicit TestMap(quint16 port)
        : Scada(port)
    {
    }

    using Scada::appendArchiveReply;
    using Scada::beginArchiveWait;
    using Scada::takeArchiveReply;

public slots:
    void slotSendPacket(QByteArray packet, int timeoutMs)
    {
        const bool sent = sendSoftwarePacket(packet, timeoutMs);
        emit signalPacketResult(sent, spiDriver()->scadaPacketCount(), isSoftwareQueueEmpty());
    }

    void slotReadArchive(quint32 offset, quint32 length)
    {
        QByteArray header;
        QByteArray data;
        const bool ok = readCompressLogRN(offset, length, &header, &data);
        emit signalArchive(ok, header, data);
    }

signals:
    void signalPacketResult(bool sent, int driverCount, bool empty);
    void signalArchive(bool ok, QByteArray header, QByteArray data);

protected:
    void initParameters() override
    {
        // id, address, operation, physic, unit, type, coefficient, min, max, value
        addParameter({IdTemperature, 0, ScadaParameter::OperationRead, 19, 1, ScadaParameter::TypeInt16, 10.0f,
                      -1000.0f, 10000.0f, {}});
        addParameter({IdLevel, 1, ScadaParameter::OperationReadWrite, 0, 0, ScadaParameter::TypeFloat, 1.0f, 0.0f,
                      100.0f, {}});
        addParameter({IdVoltage, 10, ScadaParameter::OperationReadWrite, 8, 1, ScadaParameter::TypeUint16, 100.0f,
                      0.0f, 1000.0f, {}});
        addParameter({IdSetpoint, 20, ScadaParameter::OperationReadWrite, 19, 0, ScadaParameter::TypeInt16, 1.0f,
                      -50.0f, 150.0f, {}});
        addParameter({IdCounter, 30, ScadaParameter::OperationRead, 0, 0, ScadaParameter::TypeRaw32, 1.0f, 0.0f,
                      0.0f, {}});
    }
};

// The maker's map with its table still empty; reads the archive of command 12.
class TestTarvesk : public ScadaTarvesk
{
    Q_OBJECT
public slots:
    void slotReadArchive(quint32 offset, quint32 length)
    {
        QByteArray header;
        QByteArray data;
        const bool ok = readCompressLog(offset, length, &header, &data);
        emit signalArchive(ok, header, data);
    }

signals:
    void signalArchive(bool ok, QByteArray header, QByteArray data);
};

// Stops a map and its thread however the test function ends.
class MapThread
{
public:
    explicit MapThread(Scada* map)
        : m_map(map)
    {
        QObject::connect(&m_thread, &QThread::finished, map, &QObject::deleteLater);
    }
    ~MapThread()
    {
        m_map->setProcessEnabled(false);
        m_thread.exit(0);
        m_thread.wait();
    }
    QThread* thread() { return &m_thread; }

private:
    QThread m_thread;
    Scada* m_map;
};

struct Outcome
{
    QModbusDevice::Error error = QModbusDevice::UnknownError;
    QModbusPdu::ExceptionCode exception = QModbusPdu::ExtendedException;
    QVector<quint16> values;
};

Outcome finish(QModbusReply* reply)
{
    Outcome out;
    if (!reply)
        return out;
    if (!reply->isFinished()) {
        QSignalSpy finished(reply, &QModbusReply::finished);
        finished.wait(ReplyTimeoutMs + 5000);
    }
    out.error = reply->error();
    // The exception code is the reply's only data byte. Taken from the bytes:
    // QtSerialBus keeps the exception's function code sign-extended in an enum,
    // which the PDU's inline accessors would load as an invalid value.
    const QByteArray data = reply->rawResult().data();
    if (out.error == QModbusDevice::ProtocolError && data.size() == 1)
        out.exception = static_cast<QModbusPdu::ExceptionCode>(static_cast<quint8>(data.at(0)));
    out.values = reply->result().values();
    reply->deleteLater();
    return out;
}

Outcome readRegisters(QModbusTcpClient& client, QModbusDataUnit::RegisterType type, int address, int count,
                      int unit = 1)
{
    return finish(client.sendReadRequest(QModbusDataUnit(type, address, static_cast<quint16>(count)), unit));
}

Outcome writeSingle(QModbusTcpClient& client, quint16 address, quint16 value, int unit = 1)
{
    return finish(client.sendRawRequest(QModbusRequest(QModbusRequest::WriteSingleRegister, address, value), unit));
}

Outcome writeMultiple(QModbusTcpClient& client, quint16 address, const QVector<quint16>& values, int unit = 1)
{
    const QModbusRequest request(QModbusRequest::WriteMultipleRegisters, address,
                                 static_cast<quint16>(values.size()), static_cast<quint8>(values.size() * 2), values);
    return finish(client.sendRawRequest(request, unit));
}

bool connectClient(QModbusTcpClient& client, quint16 port)
{
    client.setConnectionParameter(QModbusDevice::NetworkPortParameter, port);
    client.setConnectionParameter(QModbusDevice::NetworkAddressParameter, QStringLiteral("127.0.0.1"));
    client.setTimeout(ReplyTimeoutMs);
    client.setNumberOfRetries(0);
    if (!client.connectDevice())
        return false;
    QElapsedTimer elapsed;
    elapsed.start();
    while (client.state() != QModbusDevice::ConnectedState && elapsed.elapsed() < 20000)
        QTest::qWait(10);
    return client.state() == QModbusDevice::ConnectedState;
}

} // namespace

class TestScada : public QObject
{
    Q_OBJECT

private:
    void store(quint16 id, float value) { m_store->slotParamUpdated(id, bitsFromFloat(value), Parameters::KindValue); }
    void storeRaw(quint16 id, quint32 raw) { m_store->slotParamUpdated(id, raw, Parameters::KindValue); }

    // Blocks the SPI driver's thread in its event loop until released.
    void blockDriver()
    {
        QSemaphore* entered = &m_driverEntered;
        QSemaphore* gate = &m_driverGate;
        QTimer::singleShot(0, m_driver, [entered, gate] {
            entered->release();
            gate->acquire();
        });
        m_driverEntered.acquire();
        m_driverBlocked = true;
    }
    void releaseDriver()
    {
        if (m_driverBlocked)
            m_driverGate.release();
        m_driverBlocked = false;
    }

    template <typename Map>
    void startMap(Map* map, QThread* thread)
    {
        map->setParameters(m_store);
        map->setSpiDriver(m_driver);
        map->moveToThread(thread);
        connect(thread, &QThread::started, map, &Scada::process);
        thread->start(QThread::LowPriority);
    }

    TestDatabase* m_db = nullptr;
    Parameters* m_store = nullptr;
    ControllerModel m_model;
    SpiThread* m_spiThread = nullptr;
    SpiDriver* m_driver = nullptr;
    QSemaphore m_driverEntered;
    QSemaphore m_driverGate;
    bool m_driverBlocked = false;

    QThread* m_scadaThread = nullptr;
    TestMap* m_map = nullptr;
    quint16 m_port = 0;
    QModbusTcpClient* m_client = nullptr;

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        m_store = new Parameters;
        QVERIFY(m_store->count() > 0);
        store(IdTemperature, 100.0f);    // 212 °F
        store(IdLevel, 3.25f);
        store(IdVoltage, 380.0f);        // 0.38 kV
        store(IdSetpoint, 50.0f);
        storeRaw(IdCounter, 0x12345678u);
        store(IdModbusAddress, 1.0f);
        store(IdUnitTemperature, 1.0f);  // the station shows °F; the register stays in °C

        m_model.setWireTimeSimulated(false);
        m_model.setClockRunning(false);
        m_spiThread = new SpiThread;
        m_driver = new SpiDriver(m_spiThread, false);
        m_driver->setTransport(std::unique_ptr<SpiTransport>(new ModelTransport(&m_model)));
        m_driver->moveToThread(m_spiThread);
        m_spiThread->start(QThread::LowPriority);
        QTRY_VERIFY_WITH_TIMEOUT(m_model.stats().value(ControllerModel::CmdStatus) > 0, 20000);

        m_port = freePort();
        QVERIFY(m_port != 0);
        m_scadaThread = new QThread;
        m_map = new TestMap(m_port);
        startMap(m_map, m_scadaThread);
        QTRY_VERIFY_WITH_TIMEOUT(m_map->isListening(), 20000);

        m_client = new QModbusTcpClient;
        QVERIFY(connectClient(*m_client, m_port));
    }

    // A failed check must not leave the driver blocked for the next ones.
    void cleanup() { releaseDriver(); }

    void cleanupTestCase()
    {
        delete m_client;
        if (m_map)
            m_map->setProcessEnabled(false);
        if (m_scadaThread) {
            connect(m_scadaThread, &QThread::finished, m_map, &QObject::deleteLater);
            m_scadaThread->exit(0);
            QVERIFY(m_scadaThread->wait(20000));
            delete m_scadaThread;
        }
        if (m_spiThread) {
            m_spiThread->requestInterruption();
            m_spiThread->exit(0);
            QVERIFY(m_spiThread->wait(20000));
            delete m_spiThread;
        }
        delete m_store;
        delete m_db;
    }

    void entryIsTwentyFourBytes() { QCOMPARE(int(sizeof(ScadaParameter)), 24); }

    void readsScaledHoldingRegisters()
    {
        // 100 °C in °F (the entry's unit), times 10; then 3.25 as a float, high word first.
        Outcome r = readRegisters(*m_client, QModbusDataUnit::HoldingRegisters, 0, 3);
        QCOMPARE(r.error, QModbusDevice::NoError);
        QCOMPARE(r.values, (QVector<quint16>{2120, 0x4050, 0x0000}));
        // 380 V in kV times 100.
        r = readRegisters(*m_client, QModbusDataUnit::HoldingRegisters, 10, 1);
        QCOMPARE(r.values, QVector<quint16>{38});
        // The entry's own unit, not the station's choice for temperatures.
        r = readRegisters(*m_client, QModbusDataUnit::HoldingRegisters, 20, 1);
        QCOMPARE(r.values, QVector<quint16>{50});
        r = readRegisters(*m_client, QModbusDataUnit::HoldingRegisters, 30, 2);
        QCOMPARE(r.values, (QVector<quint16>{0x1234, 0x5678}));
        // The second half of a pair alone.
        r = readRegisters(*m_client, QModbusDataUnit::HoldingRegisters, 31, 1);
        QCOMPARE(r.values, QVector<quint16>{0x5678});
    }

    void readsInputRegistersFromTheSameTable()
    {
        const Outcome r = readRegisters(*m_client, QModbusDataUnit::InputRegisters, 0, 3);
        QCOMPARE(r.error, QModbusDevice::NoError);
        QCOMPARE(r.values, (QVector<quint16>{2120, 0x4050, 0x0000}));
    }

    void refreshFollowsTheStore()
    {
        store(IdTemperature, -40.0f); // -40 °F, times 10
        QTRY_COMPARE_WITH_TIMEOUT(readRegisters(*m_client, QModbusDataUnit::HoldingRegisters, 0, 1).values,
                                  QVector<quint16>{quint16(-400)}, 20000);
        store(IdTemperature, 100.0f);
        QTRY_COMPARE_WITH_TIMEOUT(readRegisters(*m_client, QModbusDataUnit::HoldingRegisters, 0, 1).values,
                                  QVector<quint16>{2120}, 20000);
    }

    void unknownRegistersAreIllegalAddresses()
    {
        Outcome r = readRegisters(*m_client, QModbusDataUnit::HoldingRegisters, 5, 1);
        QCOMPARE(r.error, QModbusDevice::ProtocolError);
        QCOMPARE(r.exception, QModbusPdu::IllegalDataAddress);
        // A range with one register missing is refused whole.
        r = readRegisters(*m_client, QModbusDataUnit::HoldingRegisters, 0, 4);
        QCOMPARE(r.exception, QModbusPdu::IllegalDataAddress);
        r = readRegisters(*m_client, QModbusDataUnit::InputRegisters, 60000, 10);
        QCOMPARE(r.exception, QModbusPdu::IllegalDataAddress);
        r = readRegisters(*m_client, QModbusDataUnit::Coils, 0, 1);
        QCOMPARE(r.exception, QModbusPdu::IllegalDataAddress);
    }

    void writesReachTheStoreConverted()
    {
        QSignalSpy writes(m_store, &Parameters::signalParamWrite);
        // 41 / 100 kV -> 410 V.
        Outcome r = writeSingle(*m_client, 10, 41);
        QCOMPARE(r.error, QModbusDevice::NoError);
        QTRY_COMPARE_WITH_TIMEOUT(writes.count(), 1, 20000);
        QCOMPARE(writes.at(0).at(0).value<quint16>(), quint16(IdVoltage));
        QVERIFY(qAbs(floatFromBits(writes.at(0).at(1).value<quint32>()) - 410.0f) < 0.01f);
        QCOMPARE(writes.at(0).at(2).toInt(), 3);

        // Written back in the unit it is read in (°C), whatever the station shows.
        r = writeMultiple(*m_client, 20, {60});
        QCOMPARE(r.error, QModbusDevice::NoError);
        QTRY_COMPARE_WITH_TIMEOUT(writes.count(), 2, 20000);
        QCOMPARE(writes.at(1).at(0).value<quint16>(), quint16(IdSetpoint));
        QCOMPARE(floatFromBits(writes.at(1).at(1).value<quint32>()), 60.0f);
        QCOMPARE(writes.at(1).at(2).toInt(), 3);

        // A float written whole, high word first.
        r = writeMultiple(*m_client, 1, {0x4120, 0x0000});
        QCOMPARE(r.error, QModbusDevice::NoError);
        QTRY_COMPARE_WITH_TIMEOUT(writes.count(), 3, 20000);
        QCOMPARE(writes.at(2).at(0).value<quint16>(), quint16(IdLevel));
        QCOMPARE(floatFromBits(writes.at(2).at(1).value<quint32>()), 10.0f);
    }

    void refusedWritesWriteNothing()
    {
        QSignalSpy writes(m_store, &Parameters::signalParamWrite);
        // Beyond the entry's maximum: illegal data value.
        Outcome r = writeSingle(*m_client, 10, 1001);
        QCOMPARE(r.error, QModbusDevice::ProtocolError);
        QCOMPARE(r.exception, QModbusPdu::IllegalDataValue);
        // -256 °C, below the minimum, in a two-register write whose other value is fine.
        r = writeMultiple(*m_client, 1, {0x4120, 0x0000});
        QCOMPARE(r.error, QModbusDevice::NoError);
        r = writeMultiple(*m_client, 20, {0xFF00});
        QCOMPARE(r.exception, QModbusPdu::IllegalDataValue);
        // A read-only register, half of a pair, a register without entry.
        QCOMPARE(writeSingle(*m_client, 0, 1).exception, QModbusPdu::IllegalDataAddress);
        QCOMPARE(writeSingle(*m_client, 1, 1).exception, QModbusPdu::IllegalDataAddress);
        QCOMPARE(writeSingle(*m_client, 5, 1).exception, QModbusPdu::IllegalDataAddress);
        // Nothing refused reached the store: the next write is the next seen.
        r = writeSingle(*m_client, 10, 1000);
        QCOMPARE(r.error, QModbusDevice::NoError);
        QTRY_COMPARE_WITH_TIMEOUT(writes.count(), 2, 20000);
        QCOMPARE(writes.at(0).at(0).value<quint16>(), quint16(IdLevel));
        QCOMPARE(writes.at(1).at(0).value<quint16>(), quint16(IdVoltage));
        QVERIFY(qAbs(floatFromBits(writes.at(1).at(1).value<quint32>()) - 10000.0f) < 0.1f);
    }

    void unitIdentifierFollowsTheStationAddress()
    {
        QCOMPARE(m_map->serverAddress(), 1);
        store(IdModbusAddress, 7.0f);
        QTRY_COMPARE_WITH_TIMEOUT(m_map->serverAddress(), 7, 20000);
        QCOMPARE(readRegisters(*m_client, QModbusDataUnit::HoldingRegisters, 10, 1, 7).error, QModbusDevice::NoError);
        // Other unit identifiers get no answer at all (QtSerialBus stays silent).
        m_client->setTimeout(500);
        QCOMPARE(readRegisters(*m_client, QModbusDataUnit::HoldingRegisters, 10, 1, 1).error,
                 QModbusDevice::TimeoutError);
        m_client->setTimeout(ReplyTimeoutMs);
        // No valid address: 255, the unit identifier of Modbus TCP that does not matter.
        store(IdModbusAddress, 0.0f);
        QTRY_COMPARE_WITH_TIMEOUT(m_map->serverAddress(), 255, 20000);
        QCOMPARE(readRegisters(*m_client, QModbusDataUnit::HoldingRegisters, 10, 1, 255).error,
                 QModbusDevice::NoError);
        store(IdModbusAddress, 1.0f);
        QTRY_COMPARE_WITH_TIMEOUT(m_map->serverAddress(), 1, 20000);
    }

    void softwarePacketLayout()
    {
        QCOMPARE(Scada::softwarePacket(7, 0x0102, "abc"), QByteArray::fromHex("070002010300616263"));
    }

    void softwarePacketCountsUntilTheDriverHasIt()
    {
        QSignalSpy results(m_map, &TestMap::signalPacketResult);
        const QByteArray first = Scada::softwarePacket(3, 1, QByteArray(40, 'a'));
        const QByteArray second = Scada::softwarePacket(3, 2, QByteArray(17, 'b'));
        const int before = m_model.scadaPackets().size();

        // The driver cannot take the packet: its own queue stays empty, yet
        // the map does not see the way clear.
        blockDriver();
        QMetaObject::invokeMethod(m_map, "slotSendPacket", Qt::QueuedConnection, Q_ARG(QByteArray, first),
                                  Q_ARG(int, 200));
        QTRY_COMPARE_WITH_TIMEOUT(results.count(), 1, 20000);
        QCOMPARE(results.at(0).at(0).toBool(), false);
        QCOMPARE(results.at(0).at(1).toInt(), 0);
        QCOMPARE(results.at(0).at(2).toBool(), false);
        releaseDriver();

        // Once the driver runs, both go out, in order.
        QMetaObject::invokeMethod(m_map, "slotSendPacket", Qt::QueuedConnection, Q_ARG(QByteArray, second),
                                  Q_ARG(int, int(Scada::TransferTimeoutMs)));
        QTRY_COMPARE_WITH_TIMEOUT(results.count(), 2, 20000);
        QCOMPARE(results.at(1).at(0).toBool(), true);
        QCOMPARE(results.at(1).at(1).toInt(), 0);
        QCOMPARE(results.at(1).at(2).toBool(), true);
        QTRY_COMPARE_WITH_TIMEOUT(m_model.scadaPackets().size(), before + 2, 20000);
        QCOMPARE(m_model.scadaPackets().mid(before), (QList<QByteArray>{first, second}));
    }

    void archiveReplyArrivesInTheBuffers()
    {
        const QByteArray archive = archiveBytes(1000, 3);
        QVERIFY(m_model.setArchive(ControllerModel::CmdReadArchiveCompressedRN, archive));
        QSignalSpy replies(m_map, &TestMap::signalArchive);
        QMetaObject::invokeMethod(m_map, "slotReadArchive", Qt::QueuedConnection, Q_ARG(quint32, 100u),
                                  Q_ARG(quint32, 50u));
        QTRY_COMPARE_WITH_TIMEOUT(replies.count(), 1, 20000);
        QCOMPARE(replies.at(0).at(0).toBool(), true);
        const QByteArray header = replies.at(0).at(1).toByteArray();
        QCOMPARE(header.size(), 15);
        QCOMPARE(header.left(3), QByteArray::fromHex("00ffff"));
        QCOMPARE(le32(header, 3), 100u);
        QCOMPARE(le32(header, 7), 50u);
        QCOMPARE(le32(header, 11), 50u);
        QCOMPARE(replies.at(0).at(2).toByteArray(), archive.mid(100, 50));
    }

    void archiveBuffersKeepOnlyTheAwaitedReply()
    {
        TestMap map(0);
        QByteArray header;
        QByteArray data;
        // Nobody waits: replies for other requesters are not kept.
        map.appendArchiveReply(Scada::archiveRequest(9, 4), "late");
        QVERIFY(!map.takeArchiveReply(9, &header, &data));
        // A late reply for another offset is passed over.
        map.beginArchiveWait();
        map.appendArchiveReply(Scada::archiveRequest(5, 3), "old");
        map.appendArchiveReply(Scada::archiveRequest(9, 4), "mine");
        QVERIFY(map.takeArchiveReply(9, &header, &data));
        QCOMPARE(header, Scada::archiveRequest(9, 4));
        QCOMPARE(data, QByteArray("mine"));
        QVERIFY(!map.takeArchiveReply(9, &header, &data));
    }

    void makersMapStartsEmptyAndReadsItsArchive()
    {
        const quint16 port = freePort();
        QVERIFY(port != 0);
        auto* map = new TestTarvesk;
        map->setPort(port);
        MapThread thread(map);
        startMap(map, thread.thread());
        QTRY_VERIFY_WITH_TIMEOUT(map->isListening(), 20000);

        QModbusTcpClient client;
        QVERIFY(connectClient(client, port));
        QCOMPARE(map->serverAddress(), 1);
        QCOMPARE(readRegisters(client, QModbusDataUnit::HoldingRegisters, 0, 1).exception,
                 QModbusPdu::IllegalDataAddress);
        QCOMPARE(readRegisters(client, QModbusDataUnit::InputRegisters, 100, 2).exception,
                 QModbusPdu::IllegalDataAddress);
        QCOMPARE(writeSingle(client, 0, 1).exception, QModbusPdu::IllegalDataAddress);

        const QByteArray archive = archiveBytes(300, 11);
        QVERIFY(m_model.setArchive(ControllerModel::CmdReadArchiveCompressed, archive));
        QSignalSpy replies(map, &TestTarvesk::signalArchive);
        QMetaObject::invokeMethod(map, "slotReadArchive", Qt::QueuedConnection, Q_ARG(quint32, 280u),
                                  Q_ARG(quint32, 64u));
        QTRY_COMPARE_WITH_TIMEOUT(replies.count(), 1, 20000);
        QCOMPARE(replies.at(0).at(0).toBool(), true);
        QCOMPARE(le32(replies.at(0).at(1).toByteArray(), 11), 20u); // what was left from 280
        QCOMPARE(replies.at(0).at(2).toByteArray(), archive.mid(280));

        map->setProcessEnabled(false);
        QVERIFY(!map->isListening());
    }

    void everyMapIsAnEngine()
    {
        ScadaVorivu map;
        QCOMPARE(map.port(), Scada::DefaultPort);
        QVERIFY(map.registerTable().isEmpty());
        QVERIFY(map.isProcessEnabled());
        QVERIFY(!map.isListening());
    }

    void disablingFromAnotherThreadFreesThePort()
    {
        QSignalSpy results(m_map, &TestMap::signalPacketResult);
        // The map's thread is busy waiting for a packet the blocked driver
        // cannot take; the stop still goes through.
        blockDriver();
        const QByteArray packet = Scada::softwarePacket(4, 1, "x");
        QMetaObject::invokeMethod(m_map, "slotSendPacket", Qt::QueuedConnection, Q_ARG(QByteArray, packet),
                                  Q_ARG(int, 600000));
        QTRY_VERIFY_WITH_TIMEOUT(!m_map->isSoftwareQueueEmpty(), 20000);
        m_map->setProcessEnabled(false);
        QVERIFY(!m_map->isListening());
        QTcpServer probe;
        QVERIFY2(probe.listen(QHostAddress::AnyIPv4, m_port), qPrintable(probe.errorString()));
        probe.close();
        QTRY_COMPARE_WITH_TIMEOUT(results.count(), 1, 20000);
        QCOMPARE(results.at(0).at(0).toBool(), false);
        QTRY_COMPARE_WITH_TIMEOUT(m_client->state(), QModbusDevice::UnconnectedState, 20000);
        releaseDriver();

        // Enabled again, it serves the same table on the same port.
        m_map->setProcessEnabled(true);
        QVERIFY(m_map->isListening());
        QVERIFY(connectClient(*m_client, m_port));
        QCOMPARE(readRegisters(*m_client, QModbusDataUnit::HoldingRegisters, 10, 1).error, QModbusDevice::NoError);
        // Whatever was on its way to the driver has arrived: the way is clear again.
        QMetaObject::invokeMethod(m_map, "slotSendPacket", Qt::QueuedConnection,
                                  Q_ARG(QByteArray, Scada::softwarePacket(4, 2, "y")),
                                  Q_ARG(int, int(Scada::TransferTimeoutMs)));
        QTRY_COMPARE_WITH_TIMEOUT(results.count(), 2, 20000);
        QCOMPARE(results.at(1).at(0).toBool(), true);
    }
};

QTEST_GUILESS_MAIN(TestScada)
#include "tst_scada.moc"
