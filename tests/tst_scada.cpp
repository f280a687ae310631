// The SCADA engine over its real links: a Modbus TCP master against a map in
// its own thread, the store behind it, and the SPI driver talking to the
// in-process controller for software packets and archives.
#include "model_link.h"
#include "parameters.h"
#include "rawbits.h"
#include "scada.h"
#include "scada_tarvesk.h"
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
    ModelLink* m_link = nullptr;
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

        m_link = new ModelLink;
        m_driver = m_link->driver;
        m_link->start();
        QTRY_VERIFY_WITH_TIMEOUT(m_link->model.stats().value(ControllerModel::CmdStatus) > 0, 20000);

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
        delete m_link;
        delete m_store;
        delete m_db;
    }

    void registerReads_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("count");
        QTest::addColumn<QVector<quint16>>("values"); // none: an illegal data address
        const int holding = QModbusDataUnit::HoldingRegisters;
        const int input = QModbusDataUnit::InputRegisters;
        // 100 °C in °F (the entry's unit), times 10; then 3.25 as a float, high word first.
        QTest::newRow("scaled and float") << holding << 0 << 3 << QVector<quint16>{2120, 0x4050, 0x0000};
        QTest::newRow("input registers, same table") << input << 0 << 3 << QVector<quint16>{2120, 0x4050, 0x0000};
        QTest::newRow("380 V in kV times 100") << holding << 10 << 1 << QVector<quint16>{38};
        // The entry's own unit, not the station's choice for temperatures.
        QTest::newRow("entry's unit") << holding << 20 << 1 << QVector<quint16>{50};
        QTest::newRow("raw pair") << holding << 30 << 2 << QVector<quint16>{0x1234, 0x5678};
        QTest::newRow("second half of a pair") << holding << 31 << 1 << QVector<quint16>{0x5678};
        QTest::newRow("no entry") << holding << 5 << 1 << QVector<quint16>();
        // A range with one register missing is refused whole.
        QTest::newRow("range with a gap") << holding << 0 << 4 << QVector<quint16>();
        QTest::newRow("far input registers") << input << 60000 << 10 << QVector<quint16>();
        QTest::newRow("coils") << int(QModbusDataUnit::Coils) << 0 << 1 << QVector<quint16>();
    }

    void registerReads()
    {
        QFETCH(int, type);
        QFETCH(int, address);
        QFETCH(int, count);
        QFETCH(QVector<quint16>, values);
        const Outcome r = readRegisters(*m_client, QModbusDataUnit::RegisterType(type), address, count);
        QCOMPARE(r.error, values.isEmpty() ? QModbusDevice::ProtocolError : QModbusDevice::NoError);
        if (values.isEmpty())
            QCOMPARE(r.exception, QModbusPdu::IllegalDataAddress);
        else
            QCOMPARE(r.values, values);
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

    // Accepted writes reach the store as "id=value/flag", in order; refused
    // ones reach nothing.
    void writesReachTheStoreConverted()
    {
        QSignalSpy writes(m_store, &Parameters::signalParamWrite);
        // 41 / 100 kV -> 410 V.
        QCOMPARE(writeSingle(*m_client, 10, 41).error, QModbusDevice::NoError);
        // Written back in the unit it is read in (°C), whatever the station shows.
        QCOMPARE(writeMultiple(*m_client, 20, {60}).error, QModbusDevice::NoError);
        // A float written whole, high word first.
        QCOMPARE(writeMultiple(*m_client, 1, {0x4120, 0x0000}).error, QModbusDevice::NoError);
        // Beyond the entry's maximum, and -256 °C below the minimum: illegal data value.
        QCOMPARE(writeSingle(*m_client, 10, 1001).exception, QModbusPdu::IllegalDataValue);
        QCOMPARE(writeMultiple(*m_client, 20, {0xFF00}).exception, QModbusPdu::IllegalDataValue);
        // A read-only register, half of a pair, a register without entry.
        for (quint16 address : {0, 1, 5})
            QCOMPARE(writeSingle(*m_client, address, 1).exception, QModbusPdu::IllegalDataAddress);
        QCOMPARE(writeSingle(*m_client, 10, 1000).error, QModbusDevice::NoError);
        QTRY_COMPARE_WITH_TIMEOUT(writes.count(), 4, 20000);
        QStringList seen;
        for (const QList<QVariant>& w : writes)
            seen << QStringLiteral("%1=%2/%3").arg(w.at(0).toInt()).arg(floatFromBits(w.at(1).value<quint32>())).arg(w.at(2).toInt());
        QCOMPARE(seen, QStringList({"103=410/3", "104=60/3", "102=10/3", "103=10000/3"}));
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
        const int before = m_link->model.scadaPackets().size();

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
        QTRY_COMPARE_WITH_TIMEOUT(m_link->model.scadaPackets().size(), before + 2, 20000);
        QCOMPARE(m_link->model.scadaPackets().mid(before), (QList<QByteArray>{first, second}));
    }

    void archiveReplyArrivesInTheBuffers()
    {
        const QByteArray archive = archiveBytes(1000, 3);
        QVERIFY(m_link->model.setArchive(ControllerModel::CmdReadArchiveCompressedRN, archive));
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
        QVERIFY(m_link->model.setArchive(ControllerModel::CmdReadArchiveCompressed, archive));
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
