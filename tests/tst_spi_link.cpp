// The request loop against the in-process controller: the first
// synchronisation, writes and their reports, change and event notices,
// a silent, corrupting and refusing controller, and quitting mid-way.
#include "controller_model.h"
#include "log_event.h"
#include "model_transport.h"
#include "parameters.h"
#include "rawbits.h"
#include "scripted_transport.h"
#include "spidriver.h"
#include "spiframe.h"
#include "spithread.h"
#include "test_database.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QByteArray eventRecord(quint32 number)
{
    QByteArray r(21, '\0');
    for (int i = 0; i < 4; ++i)
        r[i] = char((number >> (8 * i)) & 0xFF);
    r[8] = 3;
    return r;
}

// The store, the event cache and a driver in its own thread, talking to one
// in-process controller.
struct Station
{
    ControllerModel model;
    Parameters parameters;
    LogEvent log;
    SpiThread* thread = new SpiThread;
    SpiDriver* driver = nullptr;

    Station()
    {
        model.loadDatabase();
        model.loadSeed(QStringLiteral(VRX_SOURCE_DIR "/emulator/seed.csv"));
        model.setWireTimeSimulated(false);
        model.setClockRunning(false);
        driver = new SpiDriver(thread, false);
        driver->setTransport(std::unique_ptr<SpiTransport>(new ModelTransport(&model)));
        driver->setPeers(&parameters, &log);
        driver->moveToThread(thread);
    }
    ~Station() { stop(); }
    void start() { thread->start(QThread::LowPriority); }
    bool stop()
    {
        if (!thread)
            return true;
        thread->requestInterruption();
        thread->exit(0);
        const bool ok = thread->wait(10000);
        delete thread;
        thread = nullptr;
        return ok;
    }
};

} // namespace

class TestSpiLink : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    Station* m_station = nullptr;

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        m_station = new Station;
    }

    void cleanupTestCase()
    {
        delete m_station;
        delete m_db;
    }

    void firstSynchronisation()
    {
        Station& s = *m_station;
        QSignalSpy end(&s.parameters, &Parameters::signalSyncEnd);
        QSignalSpy begin(&s.parameters, &Parameters::signalSyncBegin);
        int events = 0;
        const QMetaObject::Connection counting =
            connect(s.driver, &SpiDriver::signalNewEvent, this, [&events](QByteArray) { ++events; });
        s.start();
        QVERIFY(end.wait(60000));
        QCOMPARE(begin.count(), 1);
        QCOMPARE(end.count(), 1);
        // Every id carries the controller's value, limits and quantity.
        int mismatches = 0;
        for (quint16 id : s.parameters.ids()) {
            if (s.parameters.getU32(id) != s.model.raw(id) || s.parameters.getMax(id) != s.model.maximum(id)
                || s.parameters.getPhysic(id) != s.model.physic(id))
                ++mismatches;
        }
        QCOMPARE(mismatches, 0);
        // The 975 slots of the event area were read (empty slots too).
        QTRY_COMPARE_WITH_TIMEOUT(events, 975, 30000);
        disconnect(counting);
        QTest::qWait(200);
        QCOMPARE(end.count(), 1);
    }

    void writesGoOutInBatchesAndComeBack()
    {
        Station& s = *m_station;
        const quint64 before = s.model.stats().value(3);
        const int logged = s.model.writes().size();
        QList<quint16> ids;
        for (quint16 id : s.parameters.ids())
            if (ids.size() < 36 && id >= 100 && id < 500)
                ids << id;
        for (int i = 0; i < ids.size(); ++i)
            s.parameters.set(ids.at(i), float(1000 + i), 1);
        QTRY_COMPARE_WITH_TIMEOUT(s.model.writes().size(), logged + 36, 10000);
        QVERIFY(s.model.stats().value(3) >= before + 2);
        const auto writes = s.model.writes();
        for (int i = 0; i < 36; ++i) {
            QCOMPARE(writes.at(logged + i).id, ids.at(i));
            QCOMPARE(writes.at(logged + i).raw, bitsFromFloat(float(1000 + i)));
            QCOMPARE(writes.at(logged + i).flag, quint8(1));
        }
        // The controller reports them back and the store takes them.
        QTRY_COMPARE_WITH_TIMEOUT(s.parameters.get(ids.last()), 1035.0f, 10000);
        QCOMPARE(s.parameters.get(ids.first()), 1000.0f);
    }

    void noticesLeadToReads()
    {
        Station& s = *m_station;
        QSignalSpy updates(&s.parameters, SIGNAL(signalParamUpdated(quint16, quint8)));
        s.model.setFloat(13, 1.0f);
        s.model.setMax(13, 77.0f);
        QTRY_COMPARE_WITH_TIMEOUT(s.parameters.get(13), 1.0f, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(s.parameters.getMax(13), 77.0f, 5000);
        s.model.setFloat(13, 0.0f);
        QTRY_COMPARE_WITH_TIMEOUT(s.parameters.get(13), 0.0f, 5000);

        const int cached = s.log.records().size();
        const quint32 number = 900000;
        s.model.addEvent(eventRecord(number));
        QTRY_VERIFY_WITH_TIMEOUT(s.log.records().contains(number), 5000);
        QVERIFY(s.log.records().size() >= qMin(cached + 1, 512));
    }

    void corruptRepliesAreRetried()
    {
        Station& s = *m_station;
        const quint64 crcBefore = s.driver->counter(SpiDriver::ErrCrc);
        s.model.setFault(ControllerModel::Fault::Corrupt, 3);
        s.model.setFloat(14, 42.0f);
        QTRY_COMPARE_WITH_TIMEOUT(s.parameters.get(14), 42.0f, 5000);
        QVERIFY(s.driver->counter(SpiDriver::ErrCrc) >= crcBefore + 3);
    }

    void silentControllerAndRecovery()
    {
        Station& s = *m_station;
        QSignalSpy link(s.driver, &SpiDriver::signalConnectCore);
        s.model.setFault(ControllerModel::Fault::Silent);
        // 21 failed exchanges: each waits out the 500 ms reply time.
        QVERIFY(link.wait(30000));
        QCOMPARE(link.count(), 1);
        QCOMPARE(link.at(0).at(0).toBool(), false);
        // A write made while the link is down waits and goes out on recovery.
        const int logged = s.model.writes().size();
        s.parameters.set(15, 5.0f, 3);
        QTest::qWait(300);
        QCOMPARE(s.model.writes().size(), logged);
        s.model.setFault(ControllerModel::Fault::None);
        QTRY_VERIFY_WITH_TIMEOUT(link.count() >= 2, 10000);
        QCOMPARE(link.last().at(0).toBool(), true);
        QTRY_COMPARE_WITH_TIMEOUT(s.model.writes().size(), logged + 1, 10000);
        QCOMPARE(s.model.writes().last().flag, quint8(3));
    }

    void quitDuringSynchronisation()
    {
        // A second station stopped while its first synchronisation runs.
        Station other;
        other.model.setWireTimeSimulated(true);
        QSignalSpy begin(&other.parameters, &Parameters::signalSyncBegin);
        other.start();
        QVERIFY(begin.wait(5000));
        QTest::qWait(300);
        QVERIFY(other.parameters.isSyncRunning());
        QVERIFY(other.stop());
    }

    void batchesOfThirtyFive()
    {
        // Driver and controller in this thread: 36 writes queued before the
        // first step go out as 35 and 1, after the opening status request.
        ControllerModel model;
        model.loadDatabase();
        model.setWireTimeSimulated(false);
        model.setClockRunning(false);
        SpiDriver driver(nullptr, false);
        driver.setTransport(std::unique_ptr<SpiTransport>(new ModelTransport(&model)));
        for (int i = 0; i < 36; ++i)
            driver.slotParamWrite(quint16(100 + i), bitsFromFloat(float(i)), 1);
        for (quint16 id : {quint16(1), quint16(2), quint16(3)})
            driver.slotParamRead(id);
        QSignalSpy values(&driver, &SpiDriver::signalParamUpdated);
        driver.process();
        QTRY_COMPARE_WITH_TIMEOUT(model.writes().size(), 36, 5000);
        QCOMPARE(model.stats().value(3), quint64(2));
        QCOMPARE(model.stats().value(1), quint64(1));
        // Every write is reported back as changed and read again, once each.
        QTRY_VERIFY_WITH_TIMEOUT(values.count() >= 39, 5000);
        QTest::qWait(100);
        QCOMPARE(values.count(), 39);
    }

    void refusedRequestIsDropped()
    {
        // A controller that refuses every request: the loop gives the request
        // up after twenty refusals instead of repeating it for ever.
        auto* transport = new ScriptedTransport;
        QByteArray frame = QByteArray::fromHex("01070100000000");
        SpiFrame::setCrc(reinterpret_cast<quint8*>(frame.data()), frame.size());
        QByteArray wire(64, '\0');
        wire.truncate(SpiFrame::wrap(reinterpret_cast<const quint8*>(frame.constData()), frame.size(),
                                     reinterpret_cast<quint8*>(wire.data()), wire.size()));
        transport->replyPerWrite = wire;
        SpiDriver driver(nullptr, false);
        driver.setTransport(std::unique_ptr<SpiTransport>(transport));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused 20 times, dropped"));
        driver.process();
        QTRY_VERIFY_WITH_TIMEOUT(transport->writes.size() >= 21, 20000);
        QCOMPARE(driver.counter(SpiDriver::ErrCrcSlave), quint64(transport->writes.size()));
    }
};

QTEST_GUILESS_MAIN(TestSpiLink)
#include "tst_spi_link.moc"
