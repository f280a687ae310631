// The parameter store over the real database: the database's source table and
// working copy, loading, validity, writes, the synchronisation's bookkeeping,
// and the unit conversions with the worked examples of the unit system.
#include "common.h"
#include "parameters.h"
#include "rawbits.h"
#include "test_database.h"

#include <QFile>
#include <QMap>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QtTest>
#include <cmath>

class TestParameters : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    Parameters* m_p = nullptr;

    void report(quint16 id, float v) { m_p->slotParamUpdated(id, bitsFromFloat(v), Parameters::KindValue); }
    // A definition with a chosen quantity and unit (the store's own record).
    ParameterDef* def(quint32 physic, quint8 unit)
    {
        ParameterDef* d = m_p->getParameter(100);
        d->physic = physic;
        d->unitOut = unit;
        return d;
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        m_p = new Parameters;
    }

    void cleanupTestCase()
    {
        delete m_p;
        delete m_db;
    }

    // Against the counts the station is known to have, not the code's copy.
    void sourceTable()
    {
        QFile csv(TestDatabase::csvPath());
        QVERIFY(csv.open(QIODevice::ReadOnly | QIODevice::Text));
        QMap<QString, int> counts; // "level N", "operation 3", and every row out of its ranges
        for (const QByteArray& line : csv.readAll().split('\n').mid(1)) {
            QList<int> c;
            for (const QByteArray& field : line.split(','))
                c << field.toInt();
            if (c.size() != 7)
                continue;
            ++counts[QString("level %1").arg(c[1])];
            counts["operation 3"] += c[2] == 3;
            const bool inRange = c[0] <= 2121 || (c[0] >= 10000 && c[0] <= 10555) || (c[0] >= 15000 && c[0] <= 15138)
                                 || (c[0] >= 20000 && c[0] <= 20053);
            if (!inRange || c[3] > 32 || c[4] > 8 || c[6] != std::pow(10, Common::maskDecimals(line.split(',').at(5))))
                ++counts[line];
        }
        QCOMPARE(counts, (QMap<QString, int>{{"level 0", 8}, {"level 1", 2581}, {"level 2", 115}, {"level 3", 166},
                                             {"level 4", 1}, {"operation 3", 40}}));
        QCOMPARE(m_p->getAccess(576), quint8(4));
        for (quint16 id : {562, 534, 546, 723, 1514})
            QCOMPARE(m_p->getPhysic(id), 1u);
    }

    void loadValidityAndWrites()
    {
        Parameters p;
        QCOMPARE(p.count(), 2871);
        QCOMPARE(p.getParameter(13)->value.load(), 0xFFFFFFFFu);
        QCOMPARE(p.getMax(13), 999999.0f);
        // Unknown ids read as zero and produce no update.
        QSignalSpy updated(&p, SIGNAL(signalParamUpdated(quint16, quint8)));
        p.slotParamUpdated(65535, 1, Parameters::KindValue);
        QCOMPARE(updated.count(), 0);
        QCOMPARE(p.get(65535), 0.0f);
        QVERIFY(!p.getParameter(65535));
        // A NaN is valid for a date-time only; 0xFFFFFFFF for nothing.
        p.slotParamUpdated(562, 0x7FC00000, Parameters::KindValue);
        p.slotParamUpdated(13, 0x7FC00000, Parameters::KindValue);
        QCOMPARE(p.getValidity(562), quint8(1));
        QCOMPARE(p.getValidity(13), quint8(0));
        p.slotParamUpdated(562, 0xFFFFFFFF, Parameters::KindValue);
        QCOMPARE(p.getValidity(562), quint8(0));
        // A NaN becomes valid once the controller says it is a date-time.
        p.slotParamUpdated(13, bitsFromFloat(1.0f), Parameters::KindPhysic);
        QCOMPARE(p.getValidity(13), quint8(1));
        // Writes go to the controller only: integers travel as float bits.
        QSignalSpy writes(&p, &Parameters::signalParamWrite);
        QCOMPARE(p.set(599, 3, 1), 0);
        QCOMPARE(writes.at(0).at(1).value<quint32>(), 0x40400000u);
        QCOMPARE(p.getU32(599), 0xFFFFFFFFu);
        // A NaN physical quantity keeps the old code; nonsense saturates.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("NaN"));
        p.slotParamUpdated(13, 0x7FC00000, Parameters::KindPhysic);
        QCOMPARE(p.getPhysic(13), 1u);
        p.slotParamUpdated(13, bitsFromFloat(-3.0f), Parameters::KindPhysic);
        QCOMPARE(p.getPhysic(13), 0u);
    }

    void fullSynchronisation()
    {
        Parameters p;
        QSignalSpy begin(&p, &Parameters::signalSyncBegin);
        QSignalSpy count(&p, &Parameters::signalSyncCount);
        QSignalSpy end(&p, &Parameters::signalSyncEnd);
        QSignalSpy reads(&p, &Parameters::signalPhysicRead);
        QStringList order;
        connect(&p, &Parameters::signalSyncEnd, [&] { order << "end"; });
        connect(&p, QOverload<quint16, quint8>::of(&Parameters::signalParamUpdated),
                [&](quint16 id, quint8 cmd) { order << QString("%1/%2").arg(id).arg(cmd); });
        p.syncAllParams();
        p.syncAllParams(); // ignored while running
        QCOMPARE(begin.count(), 1);
        QCOMPARE(begin.at(0).at(0).toInt(), 2871);
        QCOMPARE(reads.count(), 2871);

        const QVector<quint16> ids = p.ids();
        for (quint16 id : ids) {
            p.slotParamUpdated(id, bitsFromFloat(1.0f), Parameters::KindValue);
            p.slotParamUpdated(id, bitsFromFloat(0.0f), Parameters::KindMin);
            p.slotParamUpdated(id, bitsFromFloat(9.0f), Parameters::KindMax);
        }
        QCOMPARE(count.first().at(0).toInt(), 2870);
        QCOMPARE(count.last().at(0).toInt(), 0);
        for (int i = 0; i < ids.size() - 1; ++i)
            p.slotParamUpdated(ids.at(i), bitsFromFloat(float(p.getPhysic(ids.at(i)))), Parameters::KindPhysic);
        QCOMPARE(end.count(), 0); // one physical quantity still awaited
        order.clear();
        p.slotParamUpdated(ids.last(), bitsFromFloat(0.0f), Parameters::KindPhysic);
        QCOMPARE(order, QStringList() << "end" << QString("%1/15").arg(ids.last()));
        p.syncAllParams();
        QCOMPARE(begin.count(), 2);
    }

    void emptyTableEndsAtOnce()
    {
        // A closed database loads nothing; a synchronisation must not wait for ever.
        QSqlDatabase::database().close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("empty"));
        {
            Parameters p;
            QSignalSpy end(&p, &Parameters::signalSyncEnd);
            p.syncAllParams();
            QCOMPARE(end.count(), 1);
        }
        QVERIFY(QSqlDatabase::database().open());
    }

    void unitsWorkedExamples()
    {
        report(586, 1.0f);
        QCOMPARE(m_p->convertFrom(100.0f, def(19, 0), false, true), 212.0f);
        QCOMPARE(m_p->convertTo(212.0f, def(19, 0), false), 100.0f);
        QCOMPARE(m_p->getTextUnit(def(19, 0)), QString("\u00B0F"));
        // Only the low byte of the code counts: 256 + 19 is a temperature too.
        QCOMPARE(m_p->convertFrom(100.0f, def(256 + 19, 0), false, true), 212.0f);
        QCOMPARE(m_p->convertTo(212.0f, def(256 + 19, 0), false), 100.0f);
        QCOMPARE(m_p->getTextUnit(def(256 + 19, 0)), QString("\u00B0F"));
        QCOMPARE(m_p->getTextUnit(def(33, 0)), QString());

        report(585, 4.0f);
        QVERIFY(qAbs(m_p->convertFrom(1.0f, def(18, 0), false, true) - 145.04f) < 1e-3f);
        QCOMPARE(m_p->convertFrom(1.0f, def(18, 3), false, false), 10.0f); // unitOut, not 585
        // A station-wide unit of 12 or not yet received falls back to unit 0.
        report(585, 12.0f);
        QCOMPARE(m_p->convertFrom(1.0f, def(18, 0), false, true), 1.0f);
        m_p->slotParamUpdated(585, 0x7FC00000, Parameters::KindValue);
        QCOMPARE(m_p->convertFrom(1.0f, def(18, 0), false, true), 1.0f);

        // Minutes only with allTime; micro- and milliseconds always.
        QCOMPARE(m_p->convertFrom(120.0f, def(2, 4), false, true), 120.0f);
        QCOMPARE(m_p->convertFrom(120.0f, def(2, 4), true, true), 2.0f);
        QCOMPARE(m_p->convertTo(2.0f, def(2, 4), true), 120.0f);
        QCOMPARE(m_p->convertFrom(2.0f, def(2, 2), false, true), 2000.0f);
        // A date-time is never converted.
        QCOMPARE(m_p->convertFrom(1e9f, def(1, 3), true, true), 1e9f);
        QCOMPARE(m_p->convertTo(1e9f, def(1, 3), true), 1e9f);
        report(586, 0.0f);
        report(585, 0.0f);
        def(0, 0);
    }
};

QTEST_GUILESS_MAIN(TestParameters)
#include "tst_parameters.moc"
