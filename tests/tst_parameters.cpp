// The parameter store over the real database: the database's source table and
// working copy, loading, validity, writes, the synchronisation's bookkeeping,
// and the unit conversions with the worked examples of the unit system.
#include "common.h"
#include "database.h"
#include "parameters.h"
#include "rawbits.h"
#include "store_driver.h"
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
            // The store loads each row's scale as it stands.
            const ParameterDef* def = m_p->getParameter(quint16(c[0]));
            if (!def || def->discret != c[6])
                ++counts["loaded otherwise: " + line];
        }
        QCOMPARE(counts, (QMap<QString, int>{{"level 0", 8}, {"level 1", 2581}, {"level 2", 115}, {"level 3", 166},
                                             {"level 4", 1}, {"operation 3", 40}}));
        QCOMPARE(m_p->getAccess(576), quint8(4));
        for (quint16 id : {562, 534, 546, 723, 1514})
            QCOMPARE(m_p->getPhysic(id), 1u);
    }

    void validityAndWrites()
    {
        Parameters p;
        QSignalSpy updated(&p, SIGNAL(signalParamUpdated(quint16, quint8)));
        p.slotParamUpdated(65535, 1, Parameters::KindValue); // not in the table: no update
        QCOMPARE(updated.count(), 0);
        // Reads of an id outside the table give zeros and never grow it.
        QCOMPARE(QVector<double>({p.get(65535), double(p.getU32(65535)), double(p.getAccess(65535)),
                                  double(p.getPhysic(65535)), double(p.getParameter(65535) != nullptr)}),
                 QVector<double>(5, 0.0));
        QCOMPARE(p.count(), 2871);
        // What a parameter holds until the controller reports it.
        const ParameterDef* def = p.getParameter(13);
        QCOMPARE(QVector<double>({double(def->value.load()), double(def->validity.load()), def->min.load(), def->max.load()}),
                 QVector<double>({double(0xFFFFFFFFu), 0.0, 0.0, 999999.0}));
        // A NaN is valid for a date-time only, until the controller says a parameter is one.
        for (quint16 id : {562, 13})
            p.slotParamUpdated(id, 0x7FC00000, Parameters::KindValue);
        QCOMPARE(QList<int>({p.getValidity(562), p.getValidity(13)}), QList<int>({1, 0}));
        p.slotParamUpdated(13, bitsFromFloat(1.0f), Parameters::KindPhysic);
        p.slotParamUpdated(562, 0xFFFFFFFF, Parameters::KindValue);
        QCOMPARE(QList<int>({p.getValidity(562), p.getValidity(13)}), QList<int>({0, 1}));
        // A NaN physical quantity keeps the old code.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("NaN"));
        p.slotParamUpdated(13, 0x7FC00000, Parameters::KindPhysic);
        QCOMPARE(p.getPhysic(13), 1u);
        // Codes out of the unsigned range saturate; no undefined float cast.
        p.slotParamUpdated(13, bitsFromFloat(-3.0f), Parameters::KindPhysic);
        QCOMPARE(p.getPhysic(13), 0u);
        p.slotParamUpdated(13, bitsFromFloat(1e20f), Parameters::KindPhysic);
        QCOMPARE(p.getPhysic(13), 0xFFFFFFFFu);
        // Limits reported outside a synchronisation are stored and announced
        // with their kind.
        updated.clear();
        p.slotParamUpdated(13, bitsFromFloat(-5.5f), Parameters::KindMin);
        p.slotParamUpdated(13, bitsFromFloat(99.0f), Parameters::KindMax);
        QStringList kinds;
        for (const QList<QVariant>& u : updated)
            kinds << QString("%1/%2").arg(u.at(0).toInt()).arg(u.at(1).toInt());
        QCOMPARE(kinds, QStringList({"13/7", "13/8"}));
        QCOMPARE(QList<float>({p.getMin(13), p.getMax(13)}), QList<float>({-5.5f, 99.0f}));
        // Writes go to the controller only; integers travel as float bits.
        QSignalSpy writes(&p, &Parameters::signalParamWrite);
        p.set(599, 3, 1);
        QCOMPARE(writes.at(0), QList<QVariant>({QVariant::fromValue(quint16(599)), QVariant::fromValue(0x40400000u), 1}));
        QCOMPARE(p.getU32(599), 0xFFFFFFFFu);
    }

    void fullSynchronisation()
    {
        Parameters p;
        QSignalSpy begin(&p, &Parameters::signalSyncBegin);
        QSignalSpy count(&p, &Parameters::signalSyncCount);
        QStringList order;
        connect(&p, &Parameters::signalSyncEnd, [&] { order << "end"; });
        connect(&p, QOverload<quint16, quint8>::of(&Parameters::signalParamUpdated),
                [&](quint16 id, quint8 cmd) { order << QString("%1/%2").arg(id).arg(cmd); });
        p.syncAllParams();
        p.syncAllParams(); // ignored while running
        QCOMPARE(begin.count(), 1);
        QCOMPARE(begin.at(0).at(0).toInt(), 2871);
        const QVector<quint16> ids = p.ids();
        for (quint8 kind : {Parameters::KindValue, Parameters::KindMin, Parameters::KindMax, Parameters::KindPhysic})
            for (quint16 id : ids)
                if (kind != Parameters::KindPhysic || id != ids.last())
                    p.slotParamUpdated(id, 0, kind);
        QCOMPARE(count.first().at(0).toInt(), 2870);
        QCOMPARE(count.last().at(0).toInt(), 0);
        order.clear(); // the end waits for the last reply of every kind, and comes before its update
        p.slotParamUpdated(ids.last(), 0, Parameters::KindPhysic);
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

    // A database that cannot be put in place or opened is told in the log's
    // words, the line break a real one; the store then loads nothing.
    void databaseThatCannotOpen()
    {
        Database::setDirectory(m_db->directory() + "/missing");
        QTest::ignoreMessage(QtCriticalMsg, "The database file does not exist!");
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^Cannot open SQLite database! \nError: \\S.*$"));
        Database::initialization();
        QCOMPARE(Parameters().ids().size(), 0);
        Database::setDirectory(m_db->directory());
        Database::initialization();
        QCOMPARE(Parameters().ids().size(), m_p->ids().size());
    }

    // The worked examples of the unit system; only the low byte of the code counts.
    void units_data()
    {
        QTest::addColumn<quint32>("physic");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("station"); // station-wide unit choices
        QTest::addColumn<bool>("allTime");
        QTest::addColumn<float>("value");
        QTest::addColumn<float>("shown");
        QTest::addColumn<QString>("text");
        QTest::newRow("100 °C") << 19u << 0 << "586=1" << false << 100.f << 212.f << "\u00B0F";
        QTest::newRow("code 256 + 19") << 256u + 19 << 0 << "586=1" << false << 100.f << 212.f << "\u00B0F";
        QTest::newRow("1 MPa in psi") << 18u << 0 << "585=4" << false << 1.f << 145.04f << "psi";
        QTest::newRow("a station-wide 12") << 18u << 3 << "585=12" << false << 1.f << 1.f << "МПа";
        QTest::newRow("not yet received") << 18u << 3 << "585=nan" << false << 1.f << 1.f << "МПа";
        QTest::newRow("minutes, not asked for") << 2u << 4 << "" << false << 120.f << 120.f << "мин";
        QTest::newRow("minutes") << 2u << 4 << "" << true << 120.f << 2.f << "мин";
        QTest::newRow("milliseconds always") << 2u << 2 << "" << false << 2.f << 2000.f << "мс";
        QTest::newRow("a date-time") << 1u << 3 << "" << true << 1e9f << 1e9f << "";
        QTest::newRow("code 33") << 33u << 1 << "" << true << 5.f << 5.f << "";
    }

    void units()
    {
        QFETCH(quint32, physic);
        QFETCH(int, unit);
        QFETCH(QString, station);
        QFETCH(bool, allTime);
        QFETCH(float, value);
        QFETCH(float, shown);
        QFETCH(QString, text);
        StoreDriver{m_p}.reportAll("585=0 586=0 " + station);
        ParameterDef* def = m_p->getParameter(100);
        def->physic = physic;
        def->unitOut = quint8(unit);
        QVERIFY(qAbs(m_p->convertFrom(value, def, allTime, true) - shown) < 1e-3f);
        QVERIFY(qAbs(m_p->convertTo(shown, def, allTime) - value) < 1e-3f);
        QCOMPARE(m_p->getTextUnit(def), text);
        if (physic == 18 && unit == 3) // without user units the definition's own unit (bar) counts
            QCOMPARE(m_p->convertFrom(1.0f, def, false, false), 10.0f);
    }
};

QTEST_GUILESS_MAIN(TestParameters)
#include "tst_parameters.moc"
