// Code-to-text catalogue without the parameter store: short names, enumerations,
// start and stop reasons that read nothing, drive alarms and warnings, controller
// errors; which texts go through the translator and which stay plain.
#include "common.h"
#include "marking_translator.h"

#include <QSet>
#include <QtTest>
#include <climits>
#include <functional>
#include <limits>

namespace {

QString unmarked(QString text)
{
    return text.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
}

// Every code of the ranges the callers can pass.
QVector<int> unsignedShortCodes()
{
    QVector<int> codes;
    for (int code = 0; code <= 0xFFFF; ++code)
        codes.append(code);
    return codes;
}

QVector<int> intCodes()
{
    QVector<int> codes{INT_MIN, INT_MIN + 1, -1000000, INT_MAX - 1, INT_MAX, 1000000};
    for (int code = -70000; code <= 70000; ++code)
        codes.append(code);
    return codes;
}

// Codes a drive can report, with every group of thousands and its edges.
QVector<int> driveCodes()
{
    QVector<int> codes{INT_MIN, -1, INT_MAX, 65535, 65536, 1000000};
    for (int code = -100; code <= 5000; ++code)
        codes.append(code);
    return codes;
}

enum Fallback { Empty, Decimal, Fixed };

struct Enumeration
{
    const char* name;
    std::function<QString(int)> text;
    bool signedCode;
    Fallback fallback;
    const char* fixed;
    QVector<int> listed;

    QString fallbackText(int code) const
    {
        switch (fallback) {
        case Empty: return QString();
        case Decimal: return QString::number(code);
        case Fixed: return QString::fromUtf8(fixed);
        }
        return QString();
    }
    QVector<int> sweep() const { return signedCode ? intCodes() : unsignedShortCodes(); }
};

template <QString (*F)(unsigned short)>
QString u16(int code)
{
    return F(static_cast<unsigned short>(code));
}

template <QString (*F)(int)>
QString s32(int code)
{
    return F(code);
}

QString dhs(int code)
{
    return Common::getTextDhsType(static_cast<typeDHS>(code));
}

#define U16(f) #f, &u16<&Common::f>, false
#define S32(f) #f, &s32<&Common::f>, true

// The codes each enumeration lists and what it gives for any other code.
const QVector<Enumeration>& enumerations()
{
    static const QVector<Enumeration> all = {
        {U16(getTextOnOff), Empty, nullptr, {0, 1}},
        {U16(getTextProtMode), Empty, nullptr, {0, 1, 2, 3}},
        {U16(getTextRgmMode), Empty, nullptr, {0, 1, 2, 3}},
        {U16(getTextAlarmVSDMode), Empty, nullptr, {0, 1, 2}},
        {S32(getTextCondition), Fixed, "СТОП", {1, 2, 3, 4, 5, 6}},
        {U16(getTextConnect), Empty, nullptr, {0, 1}},
        {U16(getTextRgmRun), Fixed, "Неизвестный тип пуска", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {U16(getTextTypeMtr), Fixed, "Неизвестный", {0, 1}},
        {U16(getTextRotation), Empty, nullptr, {0, 1}},
        {U16(getTextMotorControl), Decimal, nullptr, {0, 1}},
        {U16(getTextVectType), Decimal, nullptr, {0, 1}},
        {U16(getTextTypeStop), Decimal, nullptr, {0, 1}},
        {U16(getTextPhaseRotation), Decimal, nullptr, {0, 1}},
        {U16(getTextUfType), Decimal, nullptr, {0, 1, 2, 3}},
        {U16(getTextMotorProfile), Empty, nullptr, {0, 1, 2, 500, 1000, 3000, 3600, 6000, 8500, 12000}},
        {U16(getTextMotorInductance), Fixed, "Индуктивность", {1, 2}},
        {U16(getTextUseInduct), Decimal, nullptr, {0, 1}},
        {U16(getTextTypeMetal), Fixed, "Медь", {1}},
        {U16(getTextSourceVoltage), Empty, nullptr, {0, 1}},
        {U16(getTextSourceCurrent), Decimal, nullptr, {0, 1}},
        {U16(getTextSourceR), Decimal, nullptr, {0, 1, 2, 3, 4}},
        {U16(getTextSourceTemperature), Decimal, nullptr, {0, 1}},
        {U16(getTextTypeVolt), Decimal, nullptr, {0, 1}},
        {U16(getTextSensorPosition), Decimal, nullptr, {0, 1}},
        {U16(getTextSwitchingFreqCode), Decimal, nullptr, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {U16(getTextChanelVsd), Decimal, nullptr, {2, 4}},
        {U16(getTextVSdDoor), Decimal, nullptr, {0, 1, 2}},
        {U16(getTextVsdType), Decimal, nullptr, {0, 1, 2, 3}},
        {U16(getTextEmType), Decimal, nullptr, {0, 1, 2, 3, 4}},
        {"getTextDhsType", &dhs, true, Decimal, nullptr,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}},
        {U16(getTextDhsInterface), Decimal, nullptr, {0, 1}},
        {U16(getTextLanguage), Decimal, nullptr, {0, 1, 2}},
        {U16(getTextScadaType), Decimal, nullptr, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {U16(getTextScadaParity), Decimal, nullptr, {0, 1, 2}},
        {U16(getTextOilCompany), Decimal, nullptr, {0, 1, 2, 3, 4}},
        {U16(getTextActionUsbConnect), Decimal, nullptr, {0, 1, 2}},
        {U16(getTextMenuTechnolog), Decimal, nullptr, {0, 1, 2, 3}},
        {U16(getTextConfiguration), Decimal, nullptr, {0, 1, 2, 3, 4, 5, 6}},
        {U16(getTextCalibType), Decimal, nullptr, {0, 1}},
        {U16(getTextTypeAI), Fixed, "0 - 10 В", {1, 2}},
        {U16(getTextAiParameter), Decimal, nullptr, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {S32(getTextAiAxisZeroShift), Decimal, nullptr, {-1, 1}},
        {S32(getTextAiAlarmType), Fixed, "max", {0}},
        {U16(getTextPinType), Fixed, "Pmax критическое", {0}},
        {U16(getTextDiType), Decimal, nullptr, {0, 1}},
        {U16(getTextDiParameter), Decimal, nullptr, {0, 1, 2, 3, 4}},
        {U16(getTextDiAction), Decimal, nullptr, {0, 1, 2, 3, 4, 5, 6}},
        {U16(getTextRoAction), Decimal, nullptr, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {U16(getTextTypeAO), Fixed, "Откл", {1, 2}},
        {U16(getTextParamAO), Decimal, nullptr, {0}},
        {U16(getTextMaintenanceModeParamType), Decimal, nullptr, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {U16(getTextMaintenanceModeParamDepend), Decimal, nullptr, {0, 1}},
        {U16(getTextMaintenanceModeParamTypeControl), Decimal, nullptr, {0, 1}},
    };
    return all;
}

#undef U16
#undef S32

// Ids whose short name is not simply their number, over the whole id space.
QVector<int> namedIds()
{
    QVector<int> ids;
    for (int id = 0; id <= 0xFFFF; ++id) {
        if (Common::getTextFromId(id) != QString::number(id))
            ids.append(id);
    }
    return ids;
}

QVector<int> codesWithText(const std::function<QString(int)>& text)
{
    QVector<int> codes;
    for (int code : driveCodes()) {
        if (!text(code).isEmpty())
            codes.append(code);
    }
    return codes;
}

} // namespace

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    // --- short names -----------------------------------------------------------------

    void shortNameCounts()
    {
        const QVector<int> ids = namedIds();
        QCOMPARE(ids.size(), 1844);
        QSet<QString> distinct;
        for (int id : ids) {
            const QString text = Common::getTextFromId(id);
            QVERIFY2(!text.isEmpty(), qPrintable(QString::number(id)));
            distinct.insert(text);
        }
        QCOMPARE(distinct.size(), 1052);
    }

    void shortNameFallbackIsTheSignedId()
    {
        for (int id : {0, 18, 19, 20, 21, 20053, 65535, 65536, -1, INT_MIN, INT_MAX})
            QCOMPARE(Common::getTextFromId(id), QString::number(id, 10));
        QCOMPARE(Common::getTextFromId(22), QStringLiteral("Дверь"));
        QVERIFY(Common::getTextFromId(20052) != QStringLiteral("20052"));
    }

    void shortNamesKeepTheirQuotes()
    {
        // Quotes that belong to the text survive the table.
        QCOMPARE(Common::getTextFromId(1122), QStringLiteral("Режим \"мягкого\" пуска"));
        QCOMPARE(Common::getTextRgmRun(9), QStringLiteral("\"Мягкий\" пуск"));
        int quoted = 0;
        for (int id : namedIds())
            quoted += Common::getTextFromId(id).contains(QLatin1Char('"')) ? 1 : 0;
        QCOMPARE(quoted, 13);
    }

    // --- enumerations -------------------------------------------------------------------

    // Listed codes have a text of their own (one is empty), any other gives the fallback.
    void enumerationFallbacks()
    {
        for (const Enumeration& e : enumerations()) {
            QSet<int> listed;
            for (int code : e.listed)
                listed.insert(code);
            for (int code : e.sweep()) {
                const QString text = e.text(code);
                if (listed.contains(code)) {
                    QVERIFY2(text != e.fallbackText(code), e.name);
                    QVERIFY2(text.isEmpty() == (qstrcmp(e.name, "getTextDiParameter") == 0 && code == 0), e.name);
                } else if (text != e.fallbackText(code)) {
                    QFAIL(qPrintable(QStringLiteral("%1(%2) gave %3").arg(QLatin1String(e.name)).arg(code).arg(text)));
                }
            }
        }
    }

    void enumerationEdgeCases()
    {
        QCOMPARE(Common::getTextMotorProfile(0), Common::getTextMotorProfile(3000));
        QCOMPARE(Common::getTextDhsType(DHS_BORETS_1), QStringLiteral("Борец СПТ") + QStringLiteral("-1"));
        QCOMPARE(Common::getTextLanguage(2), QStringLiteral("Español"));
        QCOMPARE(Common::getTextRoAction(5), Common::getTextFromId(10246));
    }

    void textsBuiltByRule()
    {
        QCOMPARE(Common::getTextBacklight(7), QStringLiteral("70"));
        QCOMPARE(Common::getTextBacklight(65535), QStringLiteral("655350"));
        QCOMPARE(Common::getTextTimeZone(10800), QStringLiteral("UTC+03:00"));
        QCOMPARE(Common::getTextTimeZone(-18000), QStringLiteral("UTC-05:00"));
        QCOMPARE(Common::getTextTimeZone(19800), QStringLiteral("UTC+05:00"));
        QCOMPARE(Common::getTextTimeZone(-1800), QStringLiteral("UTC-00:00"));
        QCOMPARE(Common::getTextTimeZone(36000), QStringLiteral("UTC+10:00"));
        QCOMPARE(Common::getTextTimeZone(0), QStringLiteral("UTC+00:00"));
        QCOMPARE(Common::getTextTimeZone(INT_MIN), QStringLiteral("UTC-596523:00"));
    }

    void technologistMenuTags()
    {
        QCOMPARE(Common::getTextParamMenuTechnolog(2), Common::getTextFromId(2) + QStringLiteral(" ДВИГ"));
        QCOMPARE(Common::getTextParamMenuTechnolog(6), Common::getTextFromId(6));
        QCOMPARE(Common::getTextParamMenuTechnolog(20009), Common::getTextFromId(20009) + QStringLiteral(" ВХОД"));
        QCOMPARE(Common::getTextParamMenuTechnolog(1170), Common::getTextFromId(1170) + QStringLiteral(" ТМПН"));
        QCOMPARE(Common::getTextParamMenuTechnolog(1166), Common::getTextFromId(1166) + QStringLiteral(" СУ"));
        QCOMPARE(Common::getTextParamMenuTechnolog(10514), Common::getTextFromId(10514) + QStringLiteral(" ЧРП"));
        QCOMPARE(Common::getTextParamMenuTechnolog(10011), Common::getTextFromId(10011));
        // Tagged or not, every id starts with its short name.
        int tagged = 0;
        for (int id = 0; id <= 0xFFFF; ++id) {
            const QString text = Common::getTextParamMenuTechnolog(static_cast<unsigned short>(id));
            QVERIFY(text.startsWith(Common::getTextFromId(id)));
            tagged += text != Common::getTextFromId(id) ? 1 : 0;
        }
        QCOMPARE(tagged, 15 + 13 + 12 + 12 + 7);
    }

    // --- drive alarms, warnings, controller errors -----------------------------------

    // With numbers, the codes without a text read as their number.
    void driveTextCounts_data()
    {
        QTest::addColumn<bool>("warning");
        QTest::addColumn<int>("count");
        QTest::newRow("alarms") << false << 144;
        QTest::newRow("warnings") << true << 44;
    }

    void driveTextCounts()
    {
        QFETCH(bool, warning);
        QFETCH(int, count);
        auto text = [=](int code, bool number) {
            return warning ? Common::getTextVsdWarning(code, number) : Common::getTextVsdAlarm(code, number);
        };
        const QVector<int> codes = codesWithText([&](int c) { return text(c, false); });
        QCOMPARE(codes.size(), count);
        for (int code : driveCodes())
            QCOMPARE(text(code, true), codes.contains(code) ? text(code, false) : QString::number(code, 10));
    }

    void driveEdgeCases()
    {
        QCOMPARE(Common::getTextVsdAlarm(3054, true), QStringLiteral("Перегрев фильтра") + QStringLiteral(" EMS"));
        QCOMPARE(Common::getTextVsdAlarm(2030, true), Common::getTextVsdAlarm(1109, true));
        QCOMPARE(Common::getTextVsdWarning(3014, true), QStringLiteral("Токоограничение"));
    }

    void controllerErrors()
    {
        int listed = 0;
        for (int code = -1000; code <= 1000; ++code) {
            const QString text = Common::getTextErrorSlave(code);
            if (code >= 1 && code <= 26) {
                QVERIFY(!text.isEmpty());
                QVERIFY(text != QStringLiteral("Ошибка!"));
                ++listed;
            } else {
                QCOMPARE(text, QStringLiteral("Ошибка!"));
            }
        }
        QCOMPARE(listed, 26);
        QCOMPARE(Common::getTextErrorSlave(INT_MIN), QStringLiteral("Ошибка!"));
        // Line breaks belong to the texts, and so does the space before one.
        QVERIFY(Common::getTextErrorSlave(21).contains(QStringLiteral("! \n")));
        QVERIFY(Common::getTextErrorSlave(17).contains(QStringLiteral("!\n")));
        QVERIFY(Common::getTextErrorSlave(15).contains(QStringLiteral("\n ")));
    }

    void specialStartAlgorithms()
    {
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QCOMPARE(Common::getTextRgmRunSpecRN(20, 1, 0), QStringLiteral("Спец РН подхват"));
        QCOMPARE(Common::getTextRgmRunSpecRN(20, 0, 1), QStringLiteral("Спец РН"));
        QCOMPARE(Common::getTextRgmRunSpecRN(20, 0, 0), QStringLiteral("Спец РН плавный"));
        QCOMPARE(Common::getTextRgmRunSpecRN(0, 119.9f, 5), QStringLiteral("Спец РН подхват"));
        QCOMPARE(Common::getTextRgmRunSpecRN(0, 120, 5), QStringLiteral("Спец РН плавный"));
        QCOMPARE(Common::getTextRgmRunSpecRN(40, 0, 0), QStringLiteral("Спец РН толчки"));
        QCOMPARE(Common::getTextRgmRunSpecRN(0, 259.9f, 5), QStringLiteral("Спец РН толчки"));
        QCOMPARE(Common::getTextRgmRunSpecRN(60, 0, 0), QStringLiteral("Спец РН раскачка"));
        QCOMPARE(Common::getTextRgmRunSpecRN(0, 279.9f, 5), QStringLiteral("Спец РН раскачка"));
        QCOMPARE(Common::getTextRgmRunSpecRN(0, 280, 0), QStringLiteral("Спец РН"));
        QCOMPARE(Common::getTextRgmRunSpecRN(nan, nan, nan), QStringLiteral("Спец РН"));
    }

    // --- start reasons (they read nothing) ----------------------------------------------

    void startReasons()
    {
        const QString restart = QStringLiteral("АПВ по защите") + QStringLiteral(": ");
        int direct = 0;
        int restarts = 0;
        for (int code : intCodes()) {
            const QString text = Common::getTextReasonRun(code);
            if (code < 0 || code > 156) {
                QCOMPARE(text, QString::number(code, 10));
                continue;
            }
            if (text.startsWith(restart))
                ++restarts;
            else if (text != QString::number(code, 10))
                ++direct;
        }
        QCOMPARE(direct, 15);
        QCOMPARE(restarts, 42);
        QVERIFY(Common::getTextReasonRun(0).isEmpty());
        QCOMPARE(Common::getTextReasonRun(22), restart + QStringLiteral("22"));
        QCOMPARE(Common::getTextReasonRun(108), QStringLiteral("Цифр. вх. 1"));
        QCOMPARE(Common::getTextReasonRun(112), restart + QStringLiteral("Цифр. вх. 1"));
        QCOMPARE(Common::getTextReasonRun(50), QStringLiteral("50"));
    }

    // --- translation --------------------------------------------------------------------

    void shortNamesAreTranslated()
    {
        const QVector<int> ids = namedIds();
        QVector<QString> plain;
        for (int id : ids)
            plain.append(Common::getTextFromId(id));
        MarkingTranslator marking;
        for (int i = 0; i < ids.size(); ++i)
            QCOMPARE(Common::getTextFromId(ids[i]), QLatin1Char('[') + plain[i] + QLatin1Char(']'));
        // A number stands for itself.
        QCOMPARE(Common::getTextFromId(18), QStringLiteral("18"));
        QCOMPARE(Common::getTextParamMenuTechnolog(2), QStringLiteral("[") + plain[ids.indexOf(2)]
                     + QStringLiteral("] [ДВИГ]"));
    }

    void enumerationsTranslatedPlainAndComposite()
    {
        // Which listed codes read the same in every language, and which are a
        // translated base with a plain suffix.
        const QHash<QString, QSet<int>> plainCodes{
            {QStringLiteral("getTextMotorControl"), {0}},
            {QStringLiteral("getTextPhaseRotation"), {0, 1}},
            {QStringLiteral("getTextVsdType"), {2}},
            {QStringLiteral("getTextDhsType"), {9, 13, 16, 18, 19, 21, 22, 23, 24, 25}},
            {QStringLiteral("getTextDhsInterface"), {0, 1}},
            {QStringLiteral("getTextLanguage"), {0, 1, 2}},
            {QStringLiteral("getTextScadaType"), {9, 11}},
            {QStringLiteral("getTextScadaParity"), {0, 1, 2}},
        };
        const QSet<int> dhsComposites{3, 4, 5, 15, 20};

        QHash<QString, QVector<QString>> plain;
        for (const Enumeration& e : enumerations()) {
            for (int code : e.listed)
                plain[QLatin1String(e.name)].append(e.text(code));
            plain[QLatin1String(e.name)].append(e.text(-7));
        }
        MarkingTranslator marking;
        for (const Enumeration& e : enumerations()) {
            const QString name = QLatin1String(e.name);
            for (int i = 0; i < e.listed.size(); ++i) {
                const int code = e.listed[i];
                const QString before = plain[name][i];
                const QString text = e.text(code);
                if (before.isEmpty()) {
                    QVERIFY2(text.isEmpty(), e.name);  // nothing to translate
                } else if (plainCodes.value(name).contains(code)) {
                    QCOMPARE(text, before);
                } else if (name == QLatin1String("getTextDhsType") && dhsComposites.contains(code)) {
                    QVERIFY(text.startsWith(QLatin1Char('[')));
                    QCOMPARE(text.count(QLatin1Char(']')), 1);
                    QVERIFY(!text.endsWith(QLatin1Char(']')));
                    QCOMPARE(unmarked(text), before);
                } else {
                    QCOMPARE(text, QLatin1Char('[') + before + QLatin1Char(']'));
                }
            }
            // Fixed fallbacks are translated; numbers and empty texts are not.
            const QString fallback = e.text(-7);
            const QString before = plain[name].last();
            if (e.fallback == Fixed)
                QCOMPARE(fallback, QLatin1Char('[') + before + QLatin1Char(']'));
            else
                QCOMPARE(fallback, before);
        }
        QCOMPARE(Common::getTextDhsType(DHS_BORETS_1), QStringLiteral("[Борец СПТ]-1"));
        QCOMPARE(Common::getTextBacklight(7), QStringLiteral("70"));
        QCOMPARE(Common::getTextTimeZone(10800), QStringLiteral("UTC+03:00"));
    }

    void driveTextsTranslatedWithPlainNumbers()
    {
        QHash<int, QString> alarms;
        QHash<int, QString> warnings;
        for (int code : driveCodes()) {
            alarms.insert(code, Common::getTextVsdAlarm(code, true));
            warnings.insert(code, Common::getTextVsdWarning(code, true));
        }
        QVector<QString> errors;
        for (int code = 0; code <= 27; ++code)
            errors.append(Common::getTextErrorSlave(code));

        MarkingTranslator marking;
        int composites = 0;
        for (int code : driveCodes()) {
            for (const auto& pair : {qMakePair(Common::getTextVsdAlarm(code, true), alarms.value(code)),
                                     qMakePair(Common::getTextVsdWarning(code, true), warnings.value(code))}) {
                const QString& text = pair.first;
                const QString& before = pair.second;
                if (before == QString::number(code)) {
                    QCOMPARE(text, before);  // the number alone stays plain
                } else if (text.endsWith(QLatin1Char(']'))) {
                    QCOMPARE(text, QLatin1Char('[') + before + QLatin1Char(']'));
                } else {
                    QVERIFY(text.startsWith(QLatin1Char('[')));
                    QCOMPARE(unmarked(text), before);
                    ++composites;
                }
            }
        }
        QCOMPARE(composites, 3);
        QCOMPARE(Common::getTextVsdAlarm(2009, true), QStringLiteral("[Перегрузка инвертера] А9"));
        QCOMPARE(Common::getTextVsdWarning(2009, true), QStringLiteral("[Перегрузка инвертера] W9"));
        for (int code = 0; code <= 27; ++code)
            QCOMPARE(Common::getTextErrorSlave(code), QLatin1Char('[') + errors[code] + QLatin1Char(']'));
        QCOMPARE(Common::getTextRgmRunSpecRN(0, 0, 1), QStringLiteral("[Спец РН]"));
    }

    void startReasonsTranslatedInParts()
    {
        MarkingTranslator marking;
        QVERIFY(Common::getTextReasonRun(0).isEmpty());
        QCOMPARE(Common::getTextReasonRun(1), QStringLiteral("[Оператор]"));
        QCOMPARE(Common::getTextReasonRun(22), QStringLiteral("[АПВ по защите]: 22"));
        QCOMPARE(Common::getTextReasonRun(112), QStringLiteral("[АПВ по защите]: [Цифр. вх. 1]"));
        QCOMPARE(Common::getTextReasonRun(157), QStringLiteral("157"));
    }

    void protectionNames()
    {
        const QList<QString> names = Common::protectionNamesList();
        QCOMPARE(names.size(), 51);
        QCOMPARE(Common::preventIdsList().size(), 51);
        QCOMPARE(Common::delayIdsList().size(), 50);
        QCOMPARE(Common::delayIdsList().first(), 0);
        QSet<int> distinct;
        for (int id : Common::preventIdsList())
            distinct.insert(id);
        QCOMPARE(distinct.size(), 51);
        for (int k = 0; k < 50; ++k)
            QVERIFY(!names[k].isEmpty());
        QVERIFY(names[50].isEmpty());

        MarkingTranslator marking;
        const QList<QString> marked = Common::protectionNamesList();
        for (int k = 0; k < 50; ++k)
            QCOMPARE(marked[k], QLatin1Char('[') + names[k] + QLatin1Char(']'));
        QVERIFY(marked[50].isEmpty());
    }
};

QTEST_MAIN(TestTexts)
#include "tst_texts.moc"
