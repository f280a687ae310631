// Common helpers, value texts and unit texts.
#include "common.h"
#include "pairlist.h"
#include "parameterdef.h"

#include <QElapsedTimer>
#include <QtTest>
#include <cmath>
#include <ctime>
#include <limits>

namespace {

unTypeData fromFloat(float f)
{
    unTypeData v;
    v.f = f;
    return v;
}

unTypeData fromU32(quint32 u)
{
    unTypeData v;
    v.u = u;
    return v;
}

struct Def
{
    ParameterDef def;
    Def(quint32 physic, quint8 unit, const QString& mask)
    {
        def.physic = physic;
        def.unitOut = unit;
        def.mask = mask;
    }
};

QString text(quint32 physic, quint8 unit, const QString& mask, float value, bool pad = false)
{
    Def d(physic, unit, mask);
    return Common::getTextValue(fromFloat(value), &d.def, true, pad);
}

} // namespace

class TestCommon : public QObject
{
    Q_OBJECT

private slots:
    void crcReferenceAndChaining()
    {
        QByteArray check("123456789");
        auto* p = reinterpret_cast<unsigned char*>(check.data());
        QCOMPARE(Common::crc16(p, 9, 0xFFFF), static_cast<unsigned short>(0x4B37));
        // Zero bytes leave the register untouched.
        QCOMPARE(Common::crc16(p, 0, 0x1234), static_cast<unsigned short>(0x1234));
        // The status request frame 01 04 carries E3 01 (high byte first).
        unsigned char status[] = {0x01, 0x04};
        QCOMPARE(Common::crc16(status, 2, 0xFFFF), static_cast<unsigned short>(0xE301));
        // Chained over pieces split anywhere equals one pass.
        QByteArray data;
        for (int i = 0; i < 300; ++i)
            data.append(static_cast<char>((i * 37 + 11) & 0xFF));
        auto* d = reinterpret_cast<unsigned char*>(data.data());
        const unsigned short whole = Common::crc16(d, 300, 0xFFFF);
        for (unsigned int split : {0u, 1u, 150u, 299u, 300u}) {
            const unsigned short first = Common::crc16(d, split, 0xFFFF);
            QCOMPARE(Common::crc16(d + split, 300 - split, first), whole);
        }
    }

    void rangeAtResolution()
    {
        QVERIFY(Common::checkRange(100.4, 0, 100, 1));
        QVERIFY(!Common::checkRange(100.6, 0, 100, 1));
        QVERIFY(Common::checkRange(-0.4, 0, 100, 1));
        QVERIFY(!Common::checkRange(-0.6, 0, 100, 1));
        QVERIFY(Common::checkRange(10.004, 0, 10, 100));
        QVERIFY(!Common::checkRange(10.006, 0, 10, 100));
        QVERIFY(Common::checkRange(1e9, 0, 1, 0));
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QVERIFY(!Common::checkRange(nan, 0, 100, 1));
        QVERIFY(!Common::checkRange(nan, 0, 100, 0));
    }

    void percentScaling()
    {
        QCOMPARE(Common::calcValueToPercent(5, 2, 2), 0.0f);
        QCOMPARE(Common::calcValueToPercent(2, 2, 4), 0.0f);
        QCOMPARE(Common::calcValueToPercent(4, 2, 4), 100.0f);
        QCOMPARE(Common::calcPercentToValue(50, 2, 4), 3.0f);
        QCOMPARE(Common::calcPercentToValue(77, 5, 5), 5.0f);
        for (float v : {-3.0f, 0.0f, 12.5f, 40.0f})
            QVERIFY(std::fabs(Common::calcPercentToValue(Common::calcValueToPercent(v, -10, 50), -10, 50) - v) < 1e-4f);
    }

    void hexDigitsAndSleep()
    {
        QCOMPARE(Common::asciiToHex('f'), static_cast<unsigned char>(0));
        QCOMPARE(Common::asciiToHex('F'), static_cast<unsigned char>(15));
        QCOMPARE(Common::asciiToHex('G'), static_cast<unsigned char>(0));
        QCOMPARE(Common::asciiToHex('9'), static_cast<unsigned char>(9));
        QElapsedTimer t;
        t.start();
        Common::sleep(1050);
        QVERIFY(t.elapsed() >= 1050);
        Common::sleep(-5); // must simply return
    }

    void invalidAndMissingDefinition()
    {
        Def date(1, 1, "");
        QCOMPARE(Common::getTextValue(fromU32(1), &date.def, false, false), QString("---"));
        QCOMPARE(Common::getTextValue(fromFloat(1.0f), nullptr, true, false), QString("---"));
    }

    void dateTimeInUtc()
    {
        // The station shows its clock as stored, whatever the zone of the board.
        const QByteArray oldTz = qgetenv("TZ");
        qputenv("TZ", "Asia/Yekaterinburg");
        tzset();
        Def date(1, 1, "");
        QCOMPARE(Common::getTextValue(fromU32(0), &date.def, true, false), QString());
        QCOMPARE(Common::getTextValue(fromU32(1), &date.def, true, false), QString("1970.01.01 00:00:01"));
        // A raw word that is a NaN as a float is still a plain count of seconds.
        QCOMPARE(Common::getTextValue(fromU32(0x7FC00001), &date.def, true, false), QString("2037.12.01 14:09:05"));
        date.def.unitOut = 2;
        QCOMPARE(Common::getTextValue(fromU32(0x7FC00001), &date.def, true, false), QString("37.12.01"));
        date.def.unitOut = 0;
        QCOMPARE(Common::getTextValue(fromU32(1), &date.def, true, false), QString("1"));
        QCOMPARE(Common::getTextValue(fromU32(0xFFFFFFFE), &date.def, true, false), QString("4294967294"));
        if (oldTz.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", oldTz);
        tzset();
    }

    void durationLayouts_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<float>("value");
        QTest::addColumn<bool>("pad");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mm:ss") << 5 << "99.99" << 125.4f << false << "2:05";
        QTest::newRow("mm:ss padded") << 5 << "99.99" << 125.4f << true << "02:05";
        QTest::newRow("hh:mm:ss") << 8 << "99.99.99" << 3725.0f << false << "1:02:05";
        QTest::newRow("hh:mm:ss padded") << 8 << "99.99.99" << 3725.0f << true << "01:02:05";
        QTest::newRow("ss:ms") << 3 << "99.999" << 61005.0f << false << "61:005";
        QTest::newRow("minutes") << 4 << "9999" << 119.0f << false << "1";
        QTest::newRow("minutes padded") << 4 << "9999" << 119.0f << true << "0001";
        QTest::newRow("hours") << 6 << "99" << 7300.0f << true << "02";
        QTest::newRow("hh:mm") << 7 << "99.99" << 7380.0f << false << "2:03";
        QTest::newRow("no separator no fill") << 5 << "9999" << 65.0f << true << "1:05";
        QTest::newRow("half rounds away") << 5 << "99.99" << 59.5f << false << "1:00";
        QTest::newRow("negative half") << 5 << "99.99" << -59.5f << false << "-1:00";
        QTest::newRow("negative one sign") << 8 << "99.99.99" << -3725.0f << false << "-1:02:05";
        QTest::newRow("negative padded") << 5 << "99.99" << -65.0f << true << "-01:05";
        QTest::newRow("negative below minute") << 5 << "99.99" << -5.0f << false << "-0:05";
        QTest::newRow("negative rounds to zero") << 4 << "" << -30.0f << false << "0";
        QTest::newRow("nan is zero") << 8 << "99.99.99" << std::numeric_limits<float>::quiet_NaN() << false << "0:00:00";
        QTest::newRow("huge saturates") << 6 << "" << 1e30f << false << "2562047788015215";
        QTest::newRow("huge negative") << 6 << "" << -1e30f << false << "-2562047788015215";
        QTest::newRow("unit 0 fixed") << 0 << "999.9" << 2.5f << false << "2.5";
        QTest::newRow("unit 9 fixed") << 9 << "999" << 2.5f << false << "3";
    }

    void durationLayouts()
    {
        QFETCH(int, unit);
        QFETCH(QString, mask);
        QFETCH(float, value);
        QFETCH(bool, pad);
        QFETCH(QString, expected);
        QCOMPARE(text(2, static_cast<quint8>(unit), mask, value, pad), expected);
    }

    void fixedPointDecimals()
    {
        QCOMPARE(text(8, 0, "999.99", 12.5f), QString("12.50"));
        QCOMPARE(text(8, 0, "99.99.99", 1.0f), QString("1.00"));
        QCOMPARE(text(8, 0, "9999", 12.5f), QString("13"));
        QCOMPARE(text(8, 0, "", -12.5f), QString("-13"));
        QCOMPARE(text(8, 0, "TE9T", 7.6f), QString("8"));
        QCOMPARE(text(8, 0, "99.9", -0.04f), QString("0.0"));
        QCOMPARE(text(8, 0, "99.9", 1e12f), QString("999999995904.0"));
        QCOMPARE(text(99, 0, "9.9", 3.14f), QString("3.1")); // unknown quantity: plain number
    }

    void unitTexts()
    {
        QCOMPARE(Common::getTextUnitLenght(0), QString("м"));
        QCOMPARE(Common::getTextUnitLenght(7), QString("м"));
        QCOMPARE(Common::getTextUnitTime(9), QString());
        QCOMPARE(Common::getTextUnitTime(8), QString("чч:мм:сс"));
        QCOMPARE(Common::getTextUnitSpeed(1), QString("мм/с"));
        QCOMPARE(Common::getTextUnitSpeed(2), QString("м/с"));
        QCOMPARE(Common::getTextAiUnitVibrSpeed(2), QString("мм/с"));
        QCOMPARE(Common::getTextAiUnitVibrSpeed(0), QString("м/с"));
        QCOMPARE(Common::getTextUnitTemperature(1), QString::fromUtf8("\u00B0F"));
        QCOMPARE(Common::getTextUnitTemperature(9), QString::fromUtf8("\u00B0C"));
        QCOMPARE(Common::getTextUnitAnglePower(3), QString::fromUtf8("\u00B0"));
        QCOMPARE(Common::getTextUnitActiveEnergy(0), QString::fromUtf8("кВт\u00B7ч"));
        QCOMPARE(Common::getTextUnitPower(2), Common::getTextUnitPowerMotor(2));
        QCOMPARE(Common::getTextUnitPowerMotor(2), QString("Л.С."));
        QCOMPARE(Common::getTextAiUnitPressure(2), QString("psi"));
        QCOMPARE(Common::getTextAiUnitPressure(3), QString("кг/см2"));
        QCOMPARE(Common::getTextAiUnitPressure(4), QString("бар"));
        QCOMPARE(Common::getTextAiParamUnits(9, 3), QString("3"));
        QCOMPARE(Common::getTextAiUnit(9, 3), QString());
        QCOMPARE(Common::getTextAiParamUnits(1, 0x101), QString("атм")); // low 8 bits only
        QCOMPARE(Common::getTextUnitOfQuantity(33, 0), QString());
        QCOMPARE(Common::getTextUnitOfQuantity(-1, 0), QString());
        // Every quantity's text exists for every unit without crashing.
        for (int q = 0; q <= 32; ++q)
            for (int u = 0; u < 256; ++u)
                Common::getTextUnitOfQuantity(q, static_cast<unsigned char>(u));
    }

    void pairListKeepsOrder()
    {
        PairList list;
        list.append(1, "first");
        list.append(0, "second");
        QCOMPARE(list.key(0), 1);
        QCOMPARE(list.value(1), QString("second"));
        const PairList copy = list;
        list.clear();
        QCOMPARE(list.size(), 0);
        QCOMPARE(copy.size(), 2);
        list.append(7, "again");
        QCOMPARE(list.key(0), 7);
    }
};

QTEST_GUILESS_MAIN(TestCommon)
#include "tst_common.moc"
