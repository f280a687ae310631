// The request loop against the in-process controller: a first
// synchronisation that outlasts a refusing controller, writes and their
// reports, change and event notices, a refused write batch, the link lost and
// back, and quitting mid-way.
#include "model_link.h"
#include "rawbits.h"
#include "test_database.h"

#include <QSignalSpy>
#include <QtTest>

class TestSpiLink : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    ModelStation* m_station = nullptr;

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        QVERIFY(ModelStation::keepParametersBelow(300));
        m_station = new ModelStation;
    }

    void cleanupTestCase()
    {
        delete m_station;
        delete m_db;
    }

    // About 3 s of refusals in the middle: the ids of the request given up
    // are asked again later, and every id is read.
    void firstSynchronisationOutlastsRefusals()
    {
        ModelStation& s = *m_station;
        const ControllerModel& model = s.link.model;
        QSignalSpy count(&s.parameters, &Parameters::signalSyncCount);
        QSignalSpy end(&s.parameters, &Parameters::signalSyncEnd);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused 20 times, asked again later"));
        s.link.start();
        QVERIFY2(count.wait(5000), "the first values");
        s.link.model.setFault(ControllerModel::Fault::Refuse, 30);
        QVERIFY2(end.wait(15000), "the end of the first synchronisation");
        int mismatches = 0;
        for (quint16 id : s.parameters.ids())
            mismatches += s.parameters.getU32(id) != model.raw(id) || s.parameters.getMin(id) != model.minimum(id)
                          || s.parameters.getMax(id) != model.maximum(id) || s.parameters.getPhysic(id) != model.physic(id);
        QCOMPARE(mismatches, 0);
        QCOMPARE(end.count(), 1);
    }

    void writesAndNoticesComeBack()
    {
        ModelStation& s = *m_station;
        ControllerModel& model = s.link.model;
        const int logged = model.writes().size();
        for (int i = 0; i < 36; ++i)
            s.parameters.set(quint16(100 + i), float(1000 + i), 1);
        QTRY_COMPARE(model.writes().size(), logged + 36);
        for (int i = 0; i < 36; ++i) {
            const ControllerModel::WriteRecord w = model.writes().at(logged + i);
            QVERIFY(w.id == 100 + i && w.raw == bitsFromFloat(float(1000 + i)) && w.flag == 1);
        }
        // The controller reports them back as changed, and its own changes.
        QTRY_COMPARE(s.parameters.get(135), 1035.0f);
        QVERIFY(model.setMax(13, 77.0f));
        QTRY_COMPARE(s.parameters.getMax(13), 77.0f);
        QByteArray event;
        QObject receiver;
        connect(s.link.driver, &SpiDriver::signalNewEvent, &receiver, [&event](QByteArray e) { event = e; });
        model.addEvent(QByteArray(21, '\x33'));
        QTRY_COMPARE(event, QByteArray(21, '\x33'));
    }

    void quitDuringSynchronisation()
    {
        ModelStation other;
        other.link.model.setWireTimeSimulated(true);
        QSignalSpy count(&other.parameters, &Parameters::signalSyncCount);
        other.link.start();
        QVERIFY2(count.wait(5000), "the first values");
        QVERIFY(other.parameters.isSyncRunning());
        QVERIFY2(other.link.stop(), "the SPI thread ending");
    }

    // Thirty-six writes queued before the first step: the first 35 go in
    // one request, refused until given up; the link goes down and comes back,
    // and the last write, waiting meanwhile, goes out.
    void refusedWritesAreDroppedWithTheirIds()
    {
        ControllerModel model;
        model.loadDatabase();
        model.setWireTimeSimulated(false);
        SpiDriver driver(nullptr, false);
        driver.setTransport(std::unique_ptr<SpiTransport>(new ModelTransport(&model)));
        QStringList ids;
        for (int i = 0; i < 36; ++i) {
            driver.slotParamWrite(quint16(100 + i), bitsFromFloat(float(i)), 1);
            ids << QString::number(100 + i);
        }
        QSignalSpy link(&driver, &SpiDriver::signalConnectCore);
        model.setFault(ControllerModel::Fault::Refuse, 22);
        ids.removeLast();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("command 3 refused 20 times, writes dropped: "
                                                              + ids.join(", ") + "$"));
        driver.process();
        QTRY_VERIFY2_WITH_TIMEOUT(link.count() == 2, "the link lost and back", 8000);
        QVERIFY(!link.first().first().toBool() && link.last().first().toBool());
        QTRY_COMPARE(model.writes().size(), 1);
        QCOMPARE(model.writes().first().id, quint16(135));
    }
};

QTEST_GUILESS_MAIN(TestSpiLink)
#include "tst_spi_link.moc"
