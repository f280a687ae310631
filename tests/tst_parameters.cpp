// The parameter store over the real database: loading, validity, writes,
// synchronisation bookkeeping and reads racing stores from another thread.
#include "parameters.h"
#include "rawbits.h"
#include "function_thread.h"
#include "test_database.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QThread>
#include <QtTest>
#include <atomic>

class TestParameters : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;

    // The first stored id whose quantity is (or is not) a date-time; -1 if none.
    static int firstId(const Parameters& p, bool dateTime)
    {
        for (quint16 id : p.ids())
            if ((p.getPhysic(id) == 1) == dateTime)
                return id;
        return -1;
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
    }

    void cleanupTestCase()
    {
        delete m_db;
    }

    void loadsEveryRowWithDefaults()
    {
        Parameters p;
        QCOMPARE(p.count(), 2871);
        ParameterDef* def = p.getParameter(13);
        QVERIFY(def);
        QCOMPARE(def->value.load(), 0xFFFFFFFFu);
        QCOMPARE(def->validity.load(), quint8(0));
        QCOMPARE(def->min.load(), 0.0f);
        QCOMPARE(def->max.load(), 999999.0f);
        QVERIFY(def->discret != 0);
        QCOMPARE(p.getAccess(576), quint8(4));
        // Unknown ids read as zero and never grow the table.
        QCOMPARE(p.get(65535), 0.0f);
        QCOMPARE(p.getU32(65535), 0u);
        QVERIFY(!p.getParameter(65535));
        QCOMPARE(p.getAccess(65535), quint8(0));
        QCOMPARE(p.getPhysic(65535), 0u);
        QCOMPARE(p.count(), 2871);
        QCOMPARE(p.getPhysic(562), 1u);
    }

    void validityRule()
    {
        Parameters p;
        const int dateId = firstId(p, true);
        const int plainId = firstId(p, false);
        QVERIFY(dateId >= 0 && plainId >= 0);
        const quint16 date = static_cast<quint16>(dateId);
        const quint16 plain = static_cast<quint16>(plainId);
        p.slotParamUpdated(date, 0x7FC00000, Parameters::KindValue);
        QCOMPARE(p.getValidity(date), quint8(1));
        p.slotParamUpdated(plain, 0x7FC00000, Parameters::KindValue);
        QCOMPARE(p.getValidity(plain), quint8(0));
        p.slotParamUpdated(plain, bitsFromFloat(1.5f), Parameters::KindValue);
        QCOMPARE(p.getValidity(plain), quint8(1));
        QCOMPARE(p.get(plain), 1.5f);
        for (quint16 id : {date, plain}) {
            p.slotParamUpdated(id, 0xFFFFFFFF, Parameters::KindValue);
            QCOMPARE(p.getValidity(id), quint8(0));
        }
        // A value NaN becomes valid once the controller says it is a date-time.
        p.slotParamUpdated(plain, 0x7FC00001, Parameters::KindValue);
        QCOMPARE(p.getValidity(plain), quint8(0));
        p.slotParamUpdated(plain, bitsFromFloat(1.0f), Parameters::KindPhysic);
        QCOMPARE(p.getValidity(plain), quint8(1));
    }

    void writesLeaveTheStoreAlone()
    {
        Parameters p;
        QSignalSpy writes(&p, &Parameters::signalParamWrite);
        const float before = p.get(599);
        QCOMPARE(p.set(599, 3, 1), 0);
        QCOMPARE(p.set(599, 2.5f), 0);
        QCOMPARE(p.set(599, quint32(0xDEADBEEF), 0), 0);
        QCOMPARE(writes.count(), 3);
        QCOMPARE(writes.at(0).at(0).value<quint16>(), quint16(599));
        QCOMPARE(writes.at(0).at(1).value<quint32>(), 0x40400000u);
        QCOMPARE(writes.at(0).at(2).toInt(), 1);
        QCOMPARE(writes.at(1).at(1).value<quint32>(), 0x40200000u);
        QCOMPARE(writes.at(1).at(2).toInt(), 1);
        QCOMPARE(writes.at(2).at(1).value<quint32>(), 0xDEADBEEFu);
        QCOMPARE(writes.at(2).at(2).toInt(), 0);
        QCOMPARE(p.getU32(599), bitsFromFloat(before));
    }

    void updatesOutsideSynchronisation()
    {
        Parameters p;
        QSignalSpy updated(&p, SIGNAL(signalParamUpdated(quint16, quint8)));
        p.slotParamUpdated(100, bitsFromFloat(-5.0f), Parameters::KindMin);
        p.slotParamUpdated(100, bitsFromFloat(50.0f), Parameters::KindMax);
        p.slotParamUpdated(100, bitsFromFloat(5.0f), Parameters::KindPhysic);
        p.slotParamUpdated(65535, 1, Parameters::KindValue);
        QCOMPARE(updated.count(), 3);
        QCOMPARE(updated.at(0).at(1).value<quint8>(), quint8(7));
        QCOMPARE(updated.at(1).at(1).value<quint8>(), quint8(8));
        QCOMPARE(updated.at(2).at(1).value<quint8>(), quint8(15));
        QCOMPARE(p.getMin(100), -5.0f);
        QCOMPARE(p.getMax(100), 50.0f);
        QCOMPARE(p.getPhysic(100), 5u);
        // Nonsense physical-quantity reports: NaN keeps the old code, the rest saturate.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("NaN"));
        p.slotParamUpdated(100, 0x7FC00000, Parameters::KindPhysic);
        QCOMPARE(p.getPhysic(100), 5u);
        p.slotParamUpdated(100, bitsFromFloat(-3.0f), Parameters::KindPhysic);
        QCOMPARE(p.getPhysic(100), 0u);
        p.slotParamUpdated(100, bitsFromFloat(1e20f), Parameters::KindPhysic);
        QCOMPARE(p.getPhysic(100), 0xFFFFFFFFu);
    }

    void fullSynchronisation()
    {
        Parameters p;
        QSignalSpy begin(&p, &Parameters::signalSyncBegin);
        QSignalSpy count(&p, &Parameters::signalSyncCount);
        QSignalSpy end(&p, &Parameters::signalSyncEnd);
        QSignalSpy reads(&p, &Parameters::signalParamRead);
        QSignalSpy mins(&p, &Parameters::signalMinRead);
        QSignalSpy physics(&p, &Parameters::signalPhysicRead);

        // Record the order of the end signal against the update signals.
        QStringList order;
        connect(&p, &Parameters::signalSyncEnd, [&] { order << "end"; });
        connect(&p, QOverload<quint16, quint8>::of(&Parameters::signalParamUpdated),
                [&](quint16 id, quint8 cmd) { order << QString("%1/%2").arg(id).arg(cmd); });

        p.syncAllParams();
        QVERIFY(p.isSyncRunning());
        QCOMPARE(begin.count(), 1);
        QCOMPARE(begin.at(0).at(0).toInt(), 2871);
        QCOMPARE(reads.count(), 2871);
        QCOMPARE(mins.count(), 2871);
        QCOMPARE(physics.count(), 2871);
        p.syncAllParams(); // ignored while running
        QCOMPARE(begin.count(), 1);
        QCOMPARE(reads.count(), 2871);

        const QVector<quint16> ids = p.ids();
        for (quint16 id : ids)
            p.slotParamUpdated(id, bitsFromFloat(1.0f), Parameters::KindValue);
        QCOMPARE(count.count(), 2871);
        QCOMPARE(count.first().at(0).toInt(), 2870);
        QCOMPARE(count.last().at(0).toInt(), 0);
        QCOMPARE(end.count(), 0); // limits still awaited
        // A second value report of the same id moves nothing.
        p.slotParamUpdated(ids.first(), bitsFromFloat(2.0f), Parameters::KindValue);
        QCOMPARE(count.count(), 2871);

        for (quint16 id : ids) {
            p.slotParamUpdated(id, bitsFromFloat(0.0f), Parameters::KindMin);
            p.slotParamUpdated(id, bitsFromFloat(9.0f), Parameters::KindMax);
        }
        for (int i = 0; i < ids.size() - 1; ++i)
            p.slotParamUpdated(ids.at(i), p.getPhysic(ids.at(i)), Parameters::KindPhysic);
        QCOMPARE(end.count(), 0);
        order.clear();
        p.slotParamUpdated(ids.last(), bitsFromFloat(0.0f), Parameters::KindPhysic);
        QCOMPARE(end.count(), 1);
        QCOMPARE(order, QStringList() << "end" << QString("%1/15").arg(ids.last()));
        QVERIFY(!p.isSyncRunning());

        // Later updates are announced without moving the synchronisation.
        p.slotParamUpdated(ids.last(), bitsFromFloat(0.0f), Parameters::KindPhysic);
        QCOMPARE(end.count(), 1);
        // And a new synchronisation can start.
        p.syncAllParams();
        QCOMPARE(begin.count(), 2);
    }

    void emptyTableEndsAtOnce()
    {
        // With the database closed the store loads nothing; a synchronisation
        // must not wait for replies that never come.
        QSqlDatabase::database().close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("empty"));
        {
            Parameters p;
            QCOMPARE(p.count(), 0);
            QSignalSpy end(&p, &Parameters::signalSyncEnd);
            p.syncAllParams();
            QCOMPARE(end.count(), 1);
            QVERIFY(!p.isSyncRunning());
        }
        QVERIFY(QSqlDatabase::database().open());
    }

    void readersRaceStores()
    {
        // Service, console and SCADA threads read while the GUI thread stores.
        Parameters p;
        std::atomic<bool> stop{false};
        std::atomic<quint64> seen{0};
        FunctionThread reader([&] {
            while (!stop.load()) {
                for (quint16 id : {quint16(1), quint16(13), quint16(562), quint16(585)}) {
                    const quint32 raw = p.getU32(id);
                    const float f = p.get(id);
                    const float mn = p.getMin(id);
                    const float mx = p.getMax(id);
                    const ParameterDef* def = p.getParameter(id);
                    if (def)
                        p.convertFrom(f, def, true, true);
                    seen += raw + static_cast<quint32>(mn) + static_cast<quint32>(mx) + p.getPhysic(id);
                }
            }
        });
        reader.start();
        for (quint32 i = 0; i < 20000; ++i) {
            for (quint16 id : {quint16(1), quint16(13), quint16(562), quint16(585)}) {
                p.slotParamUpdated(id, i, Parameters::KindValue);
                p.slotParamUpdated(id, bitsFromFloat(float(i % 7)), Parameters::KindMax);
            }
        }
        stop = true;
        reader.wait();
        QCOMPARE(p.getU32(13), 19999u);
    }
};

QTEST_GUILESS_MAIN(TestParameters)
#include "tst_parameters.moc"
