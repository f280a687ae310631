// The helpers and the code-to-text catalogue: CRC-16, the range test, percent
// scaling, value and unit texts, short names, enumerations, start and stop
// reasons, drive alarms, controller errors, and the texts that read the store
// (what prevents a start, which delay runs), and the English and Spanish
// catalogues of these texts. Each table is checked for a few
// of its codes and for what a code it does not list gives (the code in
// decimal, an empty text or a fixed text); whole code ranges are swept only
// where one rule covers them all.
#include "common.h"
#include "marking_translator.h"
#include "parameters.h"
#include "rawbits.h"
#include "store_driver.h"
#include "test_database.h"
#include "translations_resource.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>
#include <climits>
#include <ctime>
#include <functional>
#include <limits>

namespace {

const float NaN = std::numeric_limits<float>::quiet_NaN();

QString valueText(quint32 physic, quint8 unit, const QString& mask, quint32 raw, bool pad = false, bool valid = true)
{
    ParameterDef def;
    def.physic = physic;
    def.unitOut = unit;
    def.mask = mask;
    unTypeData value;
    value.u = raw;
    return Common::getTextValue(value, &def, valid, pad);
}

// One code of an enumeration, its text, and the text under a translator that
// marks what it translates: nullptr for the whole text, "" for a plain text.
struct Enum
{
    const char* name;
    std::function<QString(int)> text;
    int code;
    const char* expected;
    const char* marked;
};

#define E(f, code, text) {#f, [](int c) { return Common::f(c); }, code, text, nullptr}
#define P(f, code, text) {#f, [](int c) { return Common::f(c); }, code, text, ""}

const QVector<Enum>& enums()
{
    static const QVector<Enum> all = {
        E(getTextOnOff, 1, "Вкл"), E(getTextOnOff, 2, ""), E(getTextProtMode, 2, "АПВ"), E(getTextProtMode, 4, ""),
        E(getTextRgmMode, 1, "Однократно"), E(getTextRgmMode, 4, ""), E(getTextAlarmVSDMode, 2, "Авария"),
        E(getTextAlarmVSDMode, 3, ""), E(getTextCondition, 3, "РАБОТА"), E(getTextCondition, 0, "СТОП"),
        E(getTextCondition, -1, "СТОП"), E(getTextConnect, 1, "Восстановлена"), E(getTextConnect, 2, ""),
        E(getTextRgmRun, 9, "\"Мягкий\" пуск"), E(getTextRgmRun, 10, "C увел. моментом"),
        E(getTextRgmRun, 13, "Неизвестный тип пуска"), E(getTextTypeMtr, 1, "Вентильный"),
        E(getTextTypeMtr, 2, "Неизвестный"), E(getTextRotation, 1, "Обратное"), E(getTextRotation, 2, ""),
        P(getTextMotorControl, 0, "U/f"), E(getTextMotorControl, 1, "Векторное"), P(getTextMotorControl, 2, "2"),
        E(getTextVectType, 1, "Мин.ток"), P(getTextVectType, 2, "2"), E(getTextTypeStop, 1, "Выбегом"),
        P(getTextTypeStop, 2, "2"), P(getTextPhaseRotation, 1, "CBA"), P(getTextPhaseRotation, 2, "2"),
        E(getTextUfType, 3, "По точкам"), P(getTextUfType, 4, "4"), P(getTextUfType, -1, "65535"),
        E(getTextMotorProfile, 0, "3000 Об/мин"), E(getTextMotorProfile, 3000, "3000 Об/мин"),
        E(getTextMotorProfile, 3, ""), E(getTextMotorInductance, 2, "Инд. по осям"),
        E(getTextMotorInductance, 0, "Индуктивность"), E(getTextUseInduct, 1, "Раздельная"),
        P(getTextUseInduct, 2, "2"), E(getTextTypeMetal, 1, "Алюминий"), E(getTextTypeMetal, 0, "Медь"),
        E(getTextSourceVoltage, 1, "Счётчик"), E(getTextSourceVoltage, 2, ""), E(getTextSourceCurrent, 1, "ЧРП"),
        P(getTextSourceCurrent, 2, "2"), E(getTextSourceR, 4, "УКИ"), P(getTextSourceR, 5, "5"),
        E(getTextSourceTemperature, 1, "Масло"), P(getTextSourceTemperature, 2, "2"), E(getTextTypeVolt, 1, "Линейное"),
        P(getTextTypeVolt, 2, "2"), E(getTextSensorPosition, 1, "На выходе"), P(getTextSensorPosition, 2, "2"),
        E(getTextSwitchingFreqCode, 14, "16,0 кГц"), P(getTextSwitchingFreqCode, 15, "15"),
        E(getTextChanelVsd, 2, "Основной"), P(getTextChanelVsd, 3, "3"), E(getTextVSdDoor, 2, "Откл. пит."),
        P(getTextVSdDoor, 3, "3"), P(getTextVsdType, 2, "Danfoss"), E(getTextVsdType, 3, "Riduri"),
        P(getTextVsdType, 4, "4"), E(getTextEmType, 4, "ГРАН СС-301-5.1"), P(getTextEmType, 5, "5"),
        P(getTextDhsInterface, 1, "RS-232"), P(getTextDhsInterface, 2, "2"), P(getTextLanguage, 1, "English"),
        P(getTextLanguage, 3, "3"), P(getTextScadaType, 9, "BP-Iraq"), P(getTextScadaType, 13, "13"),
        P(getTextScadaParity, 2, "Even"), P(getTextScadaParity, 3, "3"), E(getTextOilCompany, 4, "Vuvarururerave"),
        P(getTextOilCompany, 5, "5"), E(getTextActionUsbConnect, 2, "Копирование архивов"),
        P(getTextActionUsbConnect, 3, "3"), E(getTextMenuTechnolog, 3, "Единственное"), P(getTextMenuTechnolog, 4, "4"),
        E(getTextConfiguration, 6, "Verodedo"), P(getTextConfiguration, 7, "7"), E(getTextCalibType, 1, "Значение"),
        P(getTextCalibType, 2, "2"), E(getTextTypeAI, 1, "4 - 20 мА"), E(getTextTypeAI, 0, "0 - 10 В"),
        E(getTextAiParameter, 8, "Ток"), P(getTextAiParameter, 9, "9"), E(getTextAiAxisZeroShift, -1, "Минус"),
        P(getTextAiAxisZeroShift, 0, "0"), P(getTextAiAxisZeroShift, -2, "-2"), E(getTextAiAlarmType, 0, "min"),
        E(getTextAiAlarmType, 1, "max"), E(getTextPinType, 0, "Pmin"), E(getTextPinType, 1, "Pmax критическое"),
        E(getTextDiType, 1, "Размыкание"), P(getTextDiType, 2, "2"), E(getTextDiParameter, 0, ""),
        E(getTextDiParameter, 4, "Аварийное отключение"), P(getTextDiParameter, 5, "5"),
        E(getTextDiAction, 6, "Предупреждение"), P(getTextDiAction, 7, "7"), E(getTextRoAction, 5, "Tемпер. igbt 1"),
        P(getTextRoAction, 11, "11"), E(getTextTypeAO, 1, "0 - 10 В"), E(getTextTypeAO, 0, "Откл"),
        E(getTextParamAO, 0, "Не выбран"), P(getTextParamAO, 1, "1"), E(getTextMaintenanceModeParamType, 9, "Расход"),
        P(getTextMaintenanceModeParamType, 10, "10"), E(getTextMaintenanceModeParamDepend, 1, "Обратная"),
        P(getTextMaintenanceModeParamDepend, 2, "2"), E(getTextMaintenanceModeParamTypeControl, 1, "Следование"),
        P(getTextMaintenanceModeParamTypeControl, 2, "2"),
    };
    return all;
}

#undef E
#undef P

// A committed catalogue: (context, source) -> its translation, empty when
// unfinished (lrelease leaves those out, so the source is shown).
using CatalogueKey = QPair<QString, QString>;

QHash<CatalogueKey, QString> readCatalogue(const QString& path, QStringList& problems)
{
    QHash<CatalogueKey, QString> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems << "cannot open " + path;
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            const QString translation = xml.readElementText();
            messages.insert(CatalogueKey(context, source), finished ? translation : QString());
        }
    }
    if (xml.hasError())
        problems << path + ": " + xml.errorString();
    return messages;
}

QStringList placeholders(const QString& text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(0);
    found.sort();
    return found;
}

// Pairs of (what the code gave, what it must give).
using Cases = QList<QPair<QString, QString>>;

void compareAll(const Cases& cases)
{
    for (int i = 0; i < cases.size(); ++i)
        QVERIFY2(cases.at(i).first == cases.at(i).second,
                 qPrintable(QStringLiteral("case %1 gave \"%2\", not \"%3\"").arg(i).arg(cases.at(i).first, cases.at(i).second)));
}

} // namespace

class TestTexts : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    Parameters* m_params = nullptr;

    void set(quint16 id, float value)
    {
        QVERIFY2(m_params->getParameter(id), qPrintable(QStringLiteral("no parameter %1").arg(id)));
        m_params->slotParamUpdated(id, bitsFromFloat(value), Parameters::KindValue);
    }
    // Nothing prevents a start, the drive is chosen and linked, no delay runs.
    void quiet()
    {
        for (int id : Common::preventIdsList() + Common::delayIdsList())
            set(quint16(id), 0);
        for (quint16 id : {843, 845, 846, 847, 848, 2084, 1359, 1231, 1235, 1788, 2030})
            set(id, 0);
        set(685, 1);
        set(702, 1);
    }
    QString preventWith(const QString& reports)
    {
        quiet();
        StoreDriver{m_params}.reportAll(reports);
        return Common::getTextPrevent();
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        m_params = new Parameters;
        Common::setParameters(m_params);
    }

    void cleanupTestCase()
    {
        Common::setParameters(nullptr);
        delete m_params;
        delete m_db;
    }

    // --- helpers -------------------------------------------------------------------------

    void crcRangePercentHexSleep()
    {
        QByteArray check("123456789");
        auto* p = reinterpret_cast<unsigned char*>(check.data());
        QCOMPARE(Common::crc16(p, 9, 0xFFFF), static_cast<unsigned short>(0x4B37)); // the CRC-16/MODBUS check value
        QCOMPARE(Common::crc16(p, 0, 0x1234), static_cast<unsigned short>(0x1234));
        unsigned char status[] = {0x01, 0x04};
        QCOMPARE(Common::crc16(status, 2, 0xFFFF), static_cast<unsigned short>(0xE301));
        // Chained over pieces split anywhere equals one pass.
        for (unsigned int split : {0u, 1u, 5u, 9u})
            QCOMPARE(Common::crc16(p + split, 9 - split, Common::crc16(p, split, 0xFFFF)), static_cast<unsigned short>(0x4B37));

        QVERIFY(Common::checkRange(100.4, 0, 100, 1) && Common::checkRange(-0.4, 0, 100, 1));
        QVERIFY(!Common::checkRange(100.6, 0, 100, 1) && !Common::checkRange(-0.6, 0, 100, 1));
        QVERIFY(Common::checkRange(10.004, 0, 10, 100) && !Common::checkRange(10.006, 0, 10, 100));
        QVERIFY(Common::checkRange(1e9, 0, 1, 0));
        QVERIFY(!Common::checkRange(double(NaN), 0, 100, 1) && !Common::checkRange(double(NaN), 0, 100, 0));
        QCOMPARE(Common::calcValueToPercent(5, 2, 2), 0.0f);
        QCOMPARE(Common::calcValueToPercent(2, 2, 4), 0.0f);
        QCOMPARE(Common::calcValueToPercent(4, 2, 4), 100.0f);
        QCOMPARE(Common::calcPercentToValue(50, 2, 4), 3.0f);
        QCOMPARE(Common::calcPercentToValue(77, 5, 5), 5.0f);
        QCOMPARE(QList<int>() << Common::asciiToHex('f') << Common::asciiToHex('F') << Common::asciiToHex('G')
                              << Common::asciiToHex('9'), QList<int>() << 0 << 15 << 0 << 9);
        QElapsedTimer t;
        t.start();
        Common::sleep(1020); // whole seconds and the rest in one call
        QVERIFY(t.elapsed() >= 1020);
        Common::sleep(-5); // returns at once
    }

    // --- value and unit texts ----------------------------------------------------------------

    void dateTimeInUtc()
    {
        // The station shows its clock as stored, whatever the zone of the board.
        const QByteArray oldTz = qgetenv("TZ");
        qputenv("TZ", "Asia/Yekaterinburg");
        tzset();
        // A raw word that is a NaN as a float is still a count of seconds.
        compareAll({{valueText(1, 1, "", 0), ""}, {valueText(1, 1, "", 1), "1970.01.01 00:00:01"},
                    {valueText(1, 1, "", 0x7FC00001), "2037.12.01 14:09:05"}, {valueText(1, 2, "", 0x7FC00001), "37.12.01"},
                    {valueText(1, 0, "", 1), "1"}, {valueText(1, 0, "", 0xFFFFFFFE), "4294967294"}});
        oldTz.isNull() ? qunsetenv("TZ") : qputenv("TZ", oldTz);
        tzset();
        QCOMPARE(valueText(1, 1, "", 1, false, false), QString("---"));
        QCOMPARE(Common::getTextValue(unTypeData(), nullptr, true, false), QString("---"));
    }

    void numberLayouts()
    {
        struct Row { quint32 physic; quint8 unit; const char* mask; float value; bool pad; const char* expected; };
        const Row rows[] = {
            {2, 5, "99.99", 125.4f, false, "2:05"}, {2, 5, "99.99", 125.4f, true, "02:05"},
            {2, 8, "99.99.99", 3725, false, "1:02:05"}, {2, 8, "99.99.99", 3725, true, "01:02:05"},
            {2, 3, "99.999", 61005, false, "61:005"}, {2, 4, "9999", 119, false, "1"}, {2, 4, "9999", 119, true, "0001"},
            {2, 7, "99.99", 7380, false, "2:03"}, {2, 5, "9999", 65, true, "1:05"}, // no separator: no fill
            {2, 5, "99.99", -59.5f, false, "-1:00"}, {2, 8, "99.99.99", -3725, false, "-1:02:05"},
            {2, 5, "99.99", -65, true, "-01:05"}, {2, 5, "99.99", -5, false, "-0:05"},
            {2, 8, "99.99.99", NaN, false, "0:00:00"}, {2, 6, "", 1e30f, false, "2562047788015215"},
            {2, 6, "", -1e30f, false, "-2562047788015215"}, {2, 0, "999.9", 2.5f, false, "2.5"},
            {8, 0, "999.99", 12.5f, false, "12.50"}, {8, 0, "99.99.99", 1, false, "1.00"}, {8, 0, "9999", 12.5f, false, "13"},
            {8, 0, "TE9T", 7.6f, false, "8"}, {8, 0, "99.9", 1e12f, false, "999999995904.0"}, {99, 0, "9.9", 3.14f, false, "3.1"},
        };
        Cases cases;
        for (const Row& r : rows)
            cases << qMakePair(valueText(r.physic, r.unit, r.mask, bitsFromFloat(r.value), r.pad), QString(r.expected));
        compareAll(cases);
    }

    void unitTexts()
    {
        compareAll({{Common::getTextUnitLenght(0), "м"}, {Common::getTextUnitLenght(7), "м"},
                    {Common::getTextUnitTime(9), ""}, {Common::getTextUnitTime(8), "чч:мм:сс"},
                    {Common::getTextUnitSpeed(1), "мм/с"}, {Common::getTextUnitSpeed(2), "м/с"},
                    {Common::getTextAiUnitVibrSpeed(2), "мм/с"}, {Common::getTextAiUnitVibrSpeed(0), "м/с"},
                    {Common::getTextUnitTemperature(1), "\u00B0F"}, {Common::getTextUnitTemperature(9), "\u00B0C"},
                    {Common::getTextUnitActiveEnergy(0), "кВт\u00B7ч"}, {Common::getTextUnitPower(2), "Л.С."},
                    {Common::getTextAiUnitPressure(2), "psi"}, {Common::getTextAiUnitPressure(3), "кг/см2"},
                    {Common::getTextAiParamUnits(9, 3), "3"}, {Common::getTextAiUnit(9, 3), ""},
                    {Common::getTextAiParamUnits(1, 0x101), "атм"}, // low 8 bits only
                    {Common::getTextUnitOfQuantity(33, 0), ""}, {Common::getTextUnitOfQuantity(-1, 0), ""}});
        // Any unit index of any quantity has a text (under the sanitizer: no read outside a table).
        for (int quantity = 0; quantity <= 32; ++quantity)
            for (int unit = 0; unit < 256; ++unit)
                Common::getTextUnitOfQuantity(quantity, static_cast<unsigned char>(unit));
    }

    // --- short names and enumerations ------------------------------------------------------

    void shortNames()
    {
        QSet<QString> distinct;
        int named = 0;
        int quoted = 0;
        for (int id = 0; id <= 0xFFFF; ++id) {
            const QString text = Common::getTextFromId(id);
            if (text == QString::number(id))
                continue;
            ++named;
            distinct.insert(text);
            quoted += text.contains(QLatin1Char('"')) ? 1 : 0;
            // Every id of the catalogue is a parameter of the database.
            QVERIFY2(m_params->getParameter(quint16(id)), qPrintable(QString::number(id)));
        }
        QCOMPARE(QList<int>() << named << distinct.size() << quoted, QList<int>() << 1844 << 1052 << 13);
        for (int id : {0, 18, 21, 20053, 65536, -1, INT_MIN})
            QCOMPARE(Common::getTextFromId(id), QString::number(id));
        compareAll({{Common::getTextFromId(2), "Ток фазы A"}, {Common::getTextFromId(22), "Дверь"},
                    {Common::getTextFromId(1315), "UUID ТМСН"}, {Common::getTextFromId(1122), "Режим \"мягкого\" пуска"}});
    }

    void enumerations()
    {
        Cases plain;
        for (const Enum& e : enums())
            plain << qMakePair(e.text(e.code), QString::fromUtf8(e.expected));
        plain << qMakePair(Common::getTextDhsType(typeDHS(3)), QString("Борец СПТ-1"))
              << qMakePair(Common::getTextDhsType(typeDHS(20)), QString("Riduri-06"));
        compareAll(plain);
        MarkingTranslator marking;
        Cases marked;
        for (const Enum& e : enums()) {
            const QString text = QString::fromUtf8(e.expected);
            marked << qMakePair(e.text(e.code), e.marked || text.isEmpty() ? text : '[' + text + ']');
        }
        // A translated make with a plain suffix.
        marked << qMakePair(Common::getTextDhsType(typeDHS(3)), QString("[Борец СПТ]-1"))
               << qMakePair(Common::getTextDhsType(typeDHS(20)), QString("[Riduri]-06"))
               << qMakePair(Common::getTextDhsType(typeDHS(25)), QString("PICv3"))
               << qMakePair(Common::getTextDhsType(typeDHS(26)), QString("26"));
        compareAll(marked);
    }

    void textsBuiltByRule()
    {
        compareAll({{Common::getTextBacklight(7), "70"}, {Common::getTextBacklight(65535), "655350"},
                    {Common::getTextTimeZone(10800), "UTC+03:00"},
                    {Common::getTextTimeZone(-18000), "UTC-05:00"}, {Common::getTextTimeZone(19800), "UTC+05:00"},
                    {Common::getTextTimeZone(-1800), "UTC-00:00"}, {Common::getTextTimeZone(36000), "UTC+10:00"},
                    {Common::getTextTimeZone(INT_MIN), "UTC-596523:00"},
                    {Common::getTextParamMenuTechnolog(1171), Common::getTextFromId(1171) + " ДВИГ"},
                    {Common::getTextParamMenuTechnolog(20009), Common::getTextFromId(20009) + " ВХОД"},
                    {Common::getTextParamMenuTechnolog(632), Common::getTextFromId(632) + " ТМПН"},
                    {Common::getTextParamMenuTechnolog(1144), Common::getTextFromId(1144) + " СУ"},
                    {Common::getTextParamMenuTechnolog(10514), Common::getTextFromId(10514) + " ЧРП"}});
        int tagged = 0;
        for (int id = 0; id <= 0xFFFF; ++id)
            tagged += Common::getTextParamMenuTechnolog(quint16(id)) != Common::getTextFromId(id) ? 1 : 0;
        QCOMPARE(tagged, 15 + 13 + 12 + 12 + 7);
    }

    // --- drive alarms, warnings, controller errors, special starts ----------------------------

    void driveAndControllerTexts()
    {
        int alarms = 0;
        int warnings = 0;
        for (int code = -100; code <= 5000; ++code) {
            alarms += Common::getTextVsdAlarm(code, false).isEmpty() ? 0 : 1;
            warnings += Common::getTextVsdWarning(code, false).isEmpty() ? 0 : 1;
        }
        QCOMPARE(QList<int>() << alarms << warnings, QList<int>() << 144 << 44);
        compareAll({{Common::getTextVsdAlarm(1001, false), "Неизвестная ошибка"}, {Common::getTextVsdAlarm(1004, true), "1004"},
                    {Common::getTextVsdAlarm(1004, false), ""}, {Common::getTextVsdAlarm(-1, true), "-1"},
                    {Common::getTextVsdAlarm(2000, true), "Проверка тормоза A28"}, // Latin A
                    {Common::getTextVsdAlarm(2009, true), "Перегрузка инвертера А9"}, // Cyrillic А
                    {Common::getTextVsdWarning(2009, true), "Перегрузка инвертера W9"},
                    {Common::getTextVsdAlarm(3054, true), "Перегрев фильтра EMS"}, {Common::getTextVsdAlarm(3010, true), "Перегрев фильтра"},
                    {Common::getTextVsdAlarm(1109, true), "Аварийная кнопка"}, {Common::getTextVsdAlarm(2030, true), "Аварийная кнопка"},
                    {Common::getTextVsdAlarm(3050, true), "Аварийная кнопка"}, {Common::getTextVsdAlarm(2998, true), "Нажмите Auto On"},
                    {Common::getTextVsdAlarm(2064, true), "2064"}, {Common::getTextVsdAlarm(3055, true), "3055"},
                    {Common::getTextVsdWarning(3014, true), "Токоограничение"}, {Common::getTextVsdWarning(3015, true), "3015"},
                    {Common::getTextErrorSlave(0), "Ошибка!"}, {Common::getTextErrorSlave(27), "Ошибка!"},
                    {Common::getTextErrorSlave(-1), "Ошибка!"}, {Common::getTextErrorSlave(1), "Не подключен USB накопитель!"},
                    {Common::getTextErrorSlave(21), "Превышена предельная пусковая частота! \nСнизьте пусковой момент"},
                    {Common::getTextErrorSlave(26), "Рекомендованное напряжение отпайки пересчитано\n Проверьте напряжение отпайки"},
                    {Common::getTextRgmRunSpecRN(20, 1, 0), "Спец РН подхват"}, {Common::getTextRgmRunSpecRN(20, 0, 1), "Спец РН"},
                    {Common::getTextRgmRunSpecRN(20, 0, 0), "Спец РН плавный"}, {Common::getTextRgmRunSpecRN(0, 119.9f, 5), "Спец РН подхват"},
                    {Common::getTextRgmRunSpecRN(0, 120, 5), "Спец РН плавный"}, {Common::getTextRgmRunSpecRN(40, 0, 0), "Спец РН толчки"},
                    {Common::getTextRgmRunSpecRN(0, 279.9f, 5), "Спец РН раскачка"}, {Common::getTextRgmRunSpecRN(0, 280, 0), "Спец РН"},
                    {Common::getTextRgmRunSpecRN(NaN, NaN, NaN), "Спец РН"}});
    }

    // --- start and stop reasons ------------------------------------------------------------

    void startReasons()
    {
        const QString restart = QStringLiteral("АПВ по защите: ");
        compareAll({{Common::getTextReasonRun(0), ""}, {Common::getTextReasonRun(22), restart + "22"},
                    {Common::getTextReasonRun(108), "Цифр. вх. 1"}, {Common::getTextReasonRun(112), restart + "Цифр. вх. 1"},
                    {Common::getTextReasonRun(157), "157"}, {Common::getTextReasonRun(-1), "-1"},
                    {Common::getTextReasonRun(50), "50"}, {Common::getTextReasonRun(INT_MIN), QString::number(INT_MIN)}});
    }

    void stopReasons()
    {
        compareAll({{Common::getTextReasonStop(0), ""}, {Common::getTextReasonStop(1), "Оператор"},
                    {Common::getTextReasonStop(155), "Pmax критическое на приёме насоса"},
                    {Common::getTextReasonStop(111), "ЧРП. Нет связи"}, {Common::getTextReasonStop(60), "Сигнал цифр.вх.2"},
                    {Common::getTextReasonStop(141), "Сигнал цифр.вх.24"}, {Common::getTextReasonStop(1001), "ЧРП. Неизвестная ошибка"},
                    {Common::getTextReasonStop(2009), "ЧРП. Перегрузка инвертера А9"}, {Common::getTextReasonStop(7), "7"},
                    {Common::getTextReasonStop(1004), "1004"}, {Common::getTextReasonStop(-3), "-3"},
                    {Common::getTextReasonStop(65535), "65535"}, {Common::getTextReasonStop(INT_MIN), QString::number(INT_MIN)}});
        // Each digital-input protection reads its own input's function.
        // (code, input, function parameter)
        const int inputs[][3] = {{107, 1, 1231}, {110, 4, 1234}, {120, 7, 1235}, {123, 10, 1238}, {142, 13, 1788}, {153, 24, 2030}};
        for (const auto& input : inputs) {
            for (const auto& other : inputs)
                set(quint16(other[2]), other[0] == input[0] ? 1 : 2);
            QCOMPARE(Common::getTextReasonStop(input[0]), QStringLiteral("Защита цифр.вх.%1. Контактный манометр").arg(input[1]));
        }
        const QList<QPair<float, QString>> functions{{0, ""}, {9, "9"}, {65537, "Контактный манометр"}, {-3, ""}, {NaN, ""}};
        for (const auto& function : functions) {
            set(1231, function.first);
            QCOMPARE(Common::getTextReasonStop(107), "Защита цифр.вх.1. " + function.second);
        }
        // Every code without a text of its own names the drive alarm or itself.
        int own = 0;
        for (int code = 0; code <= 65534; ++code) {
            const QString alarm = Common::getTextVsdAlarm(code, false);
            if (Common::getTextReasonStop(code) != (alarm.isEmpty() ? QString::number(code) : "ЧРП. " + alarm)) {
                QVERIFY2(code <= 156, qPrintable(QString::number(code)));
                ++own;
            }
        }
        QCOMPARE(own, 42 + 20 + 20);
    }

    // Texts in the translator's hands, piece by piece; numbers and suffixes stay plain.
    void translatedInParts()
    {
        set(1231, 1);
        MarkingTranslator marking;
        compareAll({{Common::getTextFromId(2), "[Ток фазы A]"}, {Common::getTextFromId(18), "18"},
                    {Common::getTextParamMenuTechnolog(2), "[Ток фазы A] [ДВИГ]"}, {Common::getTextTimeZone(10800), "UTC+03:00"},
                    {Common::getTextVsdAlarm(2009, true), "[Перегрузка инвертера] А9"},
                    {Common::getTextVsdAlarm(3054, true), "[Перегрев фильтра] EMS"}, {Common::getTextVsdAlarm(1004, true), "1004"},
                    {Common::getTextErrorSlave(0), "[Ошибка!]"}, {Common::getTextRgmRunSpecRN(0, 0, 1), "[Спец РН]"},
                    {Common::getTextReasonRun(112), "[АПВ по защите]: [Цифр. вх. 1]"},
                    {Common::getTextReasonRun(22), "[АПВ по защите]: 22"},
                    {Common::getTextReasonStop(107), "[Защита цифр.вх.]1. [Контактный манометр]"},
                    {Common::getTextReasonStop(60), "[Сигнал цифр.вх.]2"},
                    {Common::getTextReasonStop(2009), "[ЧРП]. [Перегрузка инвертера] А9"},
                    {Common::getTextReasonStop(111), "[ЧРП. Нет связи]"},
                    {preventWith("685=0 1360=1359 1359=22 329=1 1231=1"),
                     "[Защита по цифровому входу 1] [Контактный манометр], [Проверьте: [Дверь]],  [Не выбран тип ЧРП]"}});
    }

    // The English and Spanish catalogues as committed and as compiled into the
    // program: the same messages in both, each finished, and each translation
    // keeps its source's placeholders, line breaks and edge spaces, which the
    // screens fill in and lay out.
    void everyMessageIsFinishedAndKeepsItsShape()
    {
        initTranslationsResource();
        QStringList problems;
        QHash<CatalogueKey, QString> catalogues[2];
        QTranslator compiled[2];
        const QString languages[2] = {QStringLiteral("en"), QStringLiteral("es")};
        for (int l = 0; l < 2; ++l) {
            const QString path = QStringLiteral(VRX_SOURCE_DIR "/resources/translations/%1.ts").arg(languages[l]);
            catalogues[l] = readCatalogue(path, problems);
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
            QVERIFY2(catalogues[l].size() > 1000, qPrintable(path));
            QVERIFY2(compiled[l].load(":/lang/lang/" + languages[l] + ".qm"), "the compiled catalogue is not in the resources");
            QVERIFY(!compiled[l].isEmpty());
        }
        for (int l = 0; l < 2; ++l) {
            for (auto it = catalogues[l].constBegin(); it != catalogues[l].constEnd(); ++it) {
                const QString& source = it.key().second;
                const QString& translation = it.value();
                const QString where = QStringLiteral("%1.ts [%2] \"%3\": ")
                                          .arg(languages[l], it.key().first, QString(source).replace('\n', "\\n"));
                if (!catalogues[1 - l].contains(it.key()))
                    problems << where + "not in " + languages[1 - l] + ".ts";
                if (translation.isEmpty()) {
                    problems << where + "not translated";
                    continue;
                }
                if (placeholders(source) != placeholders(translation))
                    problems << where + "placeholders differ";
                if (source.count('\n') != translation.count('\n'))
                    problems << where + "line breaks differ";
                if (source.startsWith(' ') != translation.startsWith(' ') || source.endsWith(' ') != translation.endsWith(' '))
                    problems << where + "leading or trailing space differs";
                if (compiled[l].translate(it.key().first.toUtf8().constData(), source.toUtf8().constData()) != translation)
                    problems << where + "compiled catalogue differs";
            }
        }
        problems.sort();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    // --- what prevents a start, which delay runs -----------------------------------------------

    // What prevents a start: the names in catalogue order, each with its detail.
    void preventTexts()
    {
        QCOMPARE(QList<int>() << Common::preventIdsList().size() << Common::protectionNamesList().size()
                              << Common::delayIdsList().size(), QList<int>() << 51 << 51 << 50);
        const QString nan = QStringLiteral("0x7FC00000");
        const QString name1359 = ' ' + Common::getTextFromId(1359);
        const QString increase = QStringLiteral("Значение %1 < %2, увеличьте %3")
                                     .arg(Common::getTextFromId(1172), Common::getTextFromId(1173), Common::getTextFromId(698));
        compareAll({{preventWith(""), ""}, {preventWith("875=1"), "Отключение питания"},
                    {preventWith("44=1"), "Превышение питания сети"}, {preventWith("2057=1"), "Температура на приёме"},
                    {preventWith("403=1"), "Блокировка силового отсека"}, {preventWith("2089=1"), "Потеря связи с ТМС"},
                    {preventWith("1561=1"), "Перегрев радиатора"},
                    // Not yet received counts as set; the order is the catalogue's, not the order of arrival.
                    {preventWith("119=" + nan), "Перегруз двигателя"}, {preventWith("119=nan"), "Перегруз двигателя"},
                    {preventWith("224=1 119=1"), "Перегруз двигателя, Перегрев двигателя"},
                    // The drive's alarm, truncated, saturated; none while unknown.
                    {preventWith("418=1"), "ЧРП"}, {preventWith("418=1 843=1001"), "ЧРП. Неизвестная ошибка"},
                    {preventWith("418=1 843=1004"), "ЧРП. 1004"}, {preventWith("418=1 843=2009.7"), "ЧРП. Перегрузка инвертера А9"},
                    {preventWith("418=1 843=" + nan), "ЧРП"}, {preventWith("418=1 843=1e10"), "ЧРП. 2147483647"},
                    {preventWith("418=1 843=-1e10"), "ЧРП. -2147483648"},
                    // The side of an analog input's limit.
                    {preventWith("284=1"), "Ан. вх. 2 min"}, {preventWith("284=1 846=3"), "Ан. вх. 2 max"},
                    {preventWith("284=1 846=-0.5"), "Ан. вх. 2 min"}, {preventWith("284=1 846=" + nan), "Ан. вх. 2 min"},
                    // A digital input's function, low 16 bits; function 0 has no text.
                    {preventWith("1240=1"), "Защита по цифровому входу 7 "},
                    {preventWith("1240=1 1235=1"), "Защита по цифровому входу 7 Контактный манометр"},
                    {preventWith("1240=1 1235=65538"), "Защита по цифровому входу 7 Авария реле контроля фаз"},
                    {preventWith("1240=1 1235=-1"), "Защита по цифровому входу 7 65535"},
                    {preventWith("2033=1 2030=4"), "Защита по цифровому входу 24 Аварийное отключение"},
                    {preventWith("209=1"), "Давление на приёме насоса Pmin"},
                    {preventWith("209=1 2084=1"), "Давление на приёме насоса Pmax критическое"},
                    {preventWith("209=1 2084=65536"), "Давление на приёме насоса Pmin"},
                    // The start condition.
                    {preventWith("1360=955"), "Отложенный пуск"}, {preventWith("1360=1337"), "Отключение режима"},
                    {preventWith("1360=1031"), "Идёт: " + Common::getTextFromId(1031)},
                    {preventWith("1360=22"), "Проверьте: Дверь"}, {preventWith("1360=1359 1359=1359"), name1359},
                    {preventWith("1360=1359 1359=1172"), increase}, {preventWith("1360=1359 1359=" + nan), "Проверьте: 0"},
                    {preventWith("119=1 1360=955"), "Перегруз двигателя, Отложенный пуск"},
                    // No drive chosen (the link is then not reported), or no link.
                    {preventWith("685=0 702=0"), " Не выбран тип ЧРП"}, {preventWith("685=65536 702=0"), " Не выбран тип ЧРП"},
                    {preventWith("685=-5 702=0"), " Не выбран тип ЧРП"}, {preventWith("685=" + nan), " Не выбран тип ЧРП"},
                    {preventWith("685=2 702=0"), " Нет связи с ЧРП"}, {preventWith("702=" + nan), ""},
                    {preventWith("702=0 119=1"), "Перегруз двигателя,  Нет связи с ЧРП"}});
    }

    void runningDelayAndNoStore()
    {
        // Row 0 holds its place with the id 0, which is no delay; the first running delay counts.
        const QList<QPair<QString, int>> delays{{"", -1}, {"0=1", -1}, {"730=5", 1}, {"735=5", 6}, {"2072=5", 14},
                                                {"1255=5", 25}, {"2048=5", 40}, {"951=5", 46}, {"2104=5 735=1", 6}};
        for (const auto& delay : delays) {
            preventWith(delay.first);
            QCOMPARE(Common::runningDelayIndex(), delay.second);
        }

        Common::setParameters(nullptr);
        const QString prevent = Common::getTextPrevent();
        const QString stop = Common::getTextReasonStop(107);
        const int delay = Common::runningDelayIndex();
        Common::setParameters(m_params);
        QCOMPARE(prevent, QString(" Не выбран тип ЧРП"));
        QCOMPARE(stop, QString("Защита цифр.вх.1. "));
        QCOMPARE(delay, -1);
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
