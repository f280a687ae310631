// Unit conversions for display and back, and the unit texts the store picks.
#include "parameters.h"
#include "rawbits.h"
#include "test_database.h"
#include "units.h"

#include <QtTest>
#include <cmath>
#include <limits>

namespace {
bool near(float a, float b)
{
    return std::fabs(a - b) <= 1e-4f * std::max(1.0f, std::fabs(b));
}
} // namespace

class TestUnits : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    Parameters* m_p = nullptr;

    void setValue(quint16 id, float v) { m_p->slotParamUpdated(id, bitsFromFloat(v), Parameters::KindValue); }

    // A definition with a chosen quantity and unit (the store's own record, so
    // station-wide units come from the store).
    ParameterDef& def(quint32 physic, quint8 unit)
    {
        ParameterDef* d = m_p->getParameter(100);
        d->physic = physic;
        d->unitOut = unit;
        return *d;
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

    void roundTripsEveryQuantityAndUnit()
    {
        for (quint16 unitParam : {quint16(585), quint16(586), quint16(587), quint16(589), quint16(1650)})
            setValue(unitParam, 0.0f);
        for (quint32 q = 0; q <= 34; ++q) {
            for (quint8 u = 0; u <= 10; ++u) {
                for (bool allTime : {false, true}) {
                    ParameterDef& d = def(q, u);
                    for (float v : {-40.0f, 0.0f, 1.0f, 123.25f}) {
                        const float shown = m_p->convertFrom(v, &d, allTime, true);
                        const float back = m_p->convertTo(shown, &d, allTime);
                        QVERIFY2(near(back, v), qPrintable(QString("q %1 u %2 v %3 -> %4 -> %5")
                                                               .arg(q).arg(u).arg(v).arg(shown).arg(back)));
                    }
                }
            }
        }
    }

    void stationWideUnits()
    {
        setValue(586, 1.0f);
        QCOMPARE(m_p->convertFrom(100.0f, &def(19, 0), false, true), 212.0f);
        QCOMPARE(m_p->convertTo(212.0f, &def(19, 0), false), 100.0f);
        QCOMPARE(m_p->getTextUnit(&def(19, 0)), QString::fromUtf8("\u00B0F"));

        setValue(585, 4.0f);
        QVERIFY(near(m_p->convertFrom(1.0f, &def(18, 0), false, true), 145.04f));
        QCOMPARE(m_p->getTextUnit(&def(18, 0)), QString("psi"));
        // Without user units the definition's own unit counts, not 585.
        QCOMPARE(m_p->convertFrom(1.0f, &def(18, 3), false, false), 10.0f);

        // Out of the table or not yet received: unit 0, for value and text alike.
        for (float bad : {12.0f, -1.0f, std::numeric_limits<float>::quiet_NaN(), 1e30f}) {
            setValue(585, bad);
            QCOMPARE(m_p->convertFrom(1.0f, &def(18, 0), false, true), 1.0f);
            QCOMPARE(m_p->getTextUnit(&def(18, 0)), QString("МПа"));
        }
        m_p->slotParamUpdated(585, 0xFFFFFFFF, Parameters::KindValue);
        QCOMPARE(m_p->convertFrom(1.0f, &def(18, 0), false, true), 1.0f);
        setValue(1650, 2.0f);
        QVERIFY(near(m_p->convertFrom(1000.0f, &def(32, 0), false, true), 1.35962f));
        QCOMPARE(m_p->getTextUnit(&def(32, 0)), QString("Л.С."));
        setValue(1650, 0.0f);
        setValue(586, 0.0f);
        setValue(585, 0.0f);
    }

    void timeAndDate()
    {
        // Minutes only when the caller asks for every time unit.
        QCOMPARE(m_p->convertFrom(120.0f, &def(2, 4), false, true), 120.0f);
        QCOMPARE(m_p->convertFrom(120.0f, &def(2, 4), true, true), 2.0f);
        QCOMPARE(m_p->convertTo(2.0f, &def(2, 4), true), 120.0f);
        QCOMPARE(m_p->convertTo(2.0f, &def(2, 4), false), 2.0f);
        // Micro- and milliseconds always.
        QCOMPARE(m_p->convertFrom(2.0f, &def(2, 1), false, true), 2000000.0f);
        QCOMPARE(m_p->convertFrom(2.0f, &def(2, 2), false, true), 2000.0f);
        QCOMPARE(m_p->convertFrom(120.0f, &def(2, 4), false, false), 2.0f);
        // A date-time is never converted.
        QCOMPARE(m_p->convertFrom(1e9f, &def(1, 3), true, true), 1e9f);
        QCOMPARE(m_p->convertTo(1e9f, &def(1, 3), true), 1e9f);
        QCOMPARE(m_p->getTextUnit(&def(2, 5)), QString("мм:сс"));
    }

    void guardedIndexes()
    {
        // Codes the table does not have convert as the base unit and have no text.
        QCOMPARE(m_p->convertFrom(5.0f, &def(33, 1), true, true), 5.0f);
        QCOMPARE(m_p->convertFrom(5.0f, &def(0xFFFFFFFF, 1), true, false), 5.0f);
        QCOMPARE(m_p->getTextUnit(&def(33, 1)), QString());
        QCOMPARE(m_p->getTextUnit(&def(257, 1)), QString());
        QCOMPARE(m_p->convertFrom(5.0f, &def(9, 200), true, true), 5.0f);
        QCOMPARE(m_p->getTextUnit(&def(9, 200)), QString("А"));
        QCOMPARE(m_p->getTextUnit(nullptr), QString());
        QCOMPARE(Units::unitIndexFromValue(8.9f), quint8(8));
        QCOMPARE(Units::unitIndexFromValue(9.0f), quint8(0));
        def(0, 0);
    }
};

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
