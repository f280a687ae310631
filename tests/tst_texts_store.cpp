// Texts that read the parameter store: why a start is refused, which trip delay
// runs, and the stop reasons of the digital inputs; each over a store of the
// test's own, and with no store at all.
#include "common.h"
#include "marking_translator.h"
#include "parameters.h"
#include "rawbits.h"
#include "test_database.h"

#include <QtTest>
#include <climits>
#include <limits>

namespace {

const float NaN = std::numeric_limits<float>::quiet_NaN();

constexpr quint16 IdVsdType = 685;
constexpr quint16 IdVsdLink = 702;

// Function parameters of the digital inputs, by input number (0: no input).
quint16 inputFunctionId(int input)
{
    if (input >= 1 && input <= 4)
        return static_cast<quint16>(1230 + input);
    if (input >= 7 && input <= 10)
        return static_cast<quint16>(1228 + input);
    if (input >= 13 && input <= 24)
        return static_cast<quint16>(1788 + 22 * (input - 13));
    return 0;
}

QVector<int> digitalInputs()
{
    return {1, 2, 3, 4, 7, 8, 9, 10, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
}

// The codes of the given first-last ranges, in order.
QVector<int> codeRanges(std::initializer_list<QPair<int, int>> ranges)
{
    QVector<int> codes;
    for (const QPair<int, int>& range : ranges)
        for (int code = range.first; code <= range.second; ++code)
            codes.append(code);
    return codes;
}

} // namespace

class TestTextsStore : public QObject
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
        for (int id : Common::preventIdsList())
            set(static_cast<quint16>(id), 0);
        for (int id : Common::delayIdsList())
            set(static_cast<quint16>(id), 0);
        for (quint16 id : {843, 845, 846, 847, 848, 2084, 1359})
            set(id, 0);
        for (int input : digitalInputs())
            set(inputFunctionId(input), 0);
        set(IdVsdType, 1);
        set(IdVsdLink, 1);
    }

    QString preventWith(int row, float value = 1)
    {
        quiet();
        set(static_cast<quint16>(Common::preventIdsList()[row]), value);
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

    // (set() checks the ids the texts read.)
    void catalogueIdsAreParameters()
    {
        for (int id = 0; id <= 0xFFFF; ++id) {
            if (Common::getTextFromId(id) != QString::number(id))
                QVERIFY2(m_params->getParameter(static_cast<quint16>(id)), qPrintable(QString::number(id)));
        }
    }

    // --- prevent text ---------------------------------------------------------------------

    void eachRowStartsWithItsName()
    {
        quiet();
        QCOMPARE(Common::getTextPrevent(), QString());
        const QList<QString> names = Common::protectionNamesList();
        for (int row = 0; row < names.size(); ++row) {
            const QString text = preventWith(row);
            QVERIFY2(text.startsWith(names[row]) && !text.isEmpty(), qPrintable(QString::number(row) + ' ' + text));
        }
    }

    void notYetReceivedCountsAsPreventing()
    {
        const QList<QString> names = Common::protectionNamesList();
        QCOMPARE(preventWith(6, NaN), names[6]);
        quiet();
        m_params->slotParamUpdated(119, ParameterDef::InvalidValue, Parameters::KindValue);
        QCOMPARE(Common::getTextPrevent(), names[6]);
    }

    void rowsKeepCatalogueOrder()
    {
        const QList<int> ids = Common::preventIdsList();
        QVector<QString> alone;
        for (int row = 0; row < ids.size(); ++row)
            alone.append(preventWith(row));
        quiet();
        for (int first = 0; first < ids.size(); ++first) {
            for (int second = first + 1; second < ids.size(); ++second) {
                // Set in reverse order: the text follows the catalogue, not the arrival.
                set(static_cast<quint16>(ids[second]), 1);
                set(static_cast<quint16>(ids[first]), 1);
                QCOMPARE(Common::getTextPrevent(), alone[first] + QStringLiteral(", ") + alone[second]);
                set(static_cast<quint16>(ids[second]), 0);
                set(static_cast<quint16>(ids[first]), 0);
            }
        }
    }

    void driveAlarmDetail()
    {
        const QString name = Common::protectionNamesList()[43];
        QCOMPARE(preventWith(43), name);  // alarm 0: no detail
        set(843, 1001);
        QCOMPARE(Common::getTextPrevent(), name + QStringLiteral(". ") + Common::getTextVsdAlarm(1001, true));
        set(843, 1004);
        QCOMPARE(Common::getTextPrevent(), name + QStringLiteral(". 1004"));
        set(843, 2009.7f);  // truncated
        QCOMPARE(Common::getTextPrevent(), name + QStringLiteral(". ") + Common::getTextVsdAlarm(2009, true));
        set(843, NaN);  // no alarm code yet
        QCOMPARE(Common::getTextPrevent(), name);
        set(843, 1e10f);  // saturates instead of wrapping
        QCOMPARE(Common::getTextPrevent(), name + QStringLiteral(". ") + QString::number(INT_MAX));
        set(843, -1e10f);
        QCOMPARE(Common::getTextPrevent(), name + QStringLiteral(". ") + QString::number(INT_MIN));
    }

    void analogInputSide()
    {
        const QList<QString> names = Common::protectionNamesList();
        const quint16 sides[] = {845, 846, 847, 848};
        for (int row = 17; row <= 20; ++row) {
            const quint16 side = sides[row - 17];
            QCOMPARE(preventWith(row), names[row] + QStringLiteral(" min"));
            set(side, 3);
            QCOMPARE(Common::getTextPrevent(), names[row] + QStringLiteral(" max"));
            set(side, -0.5f);  // truncates to 0
            QCOMPARE(Common::getTextPrevent(), names[row] + QStringLiteral(" min"));
            set(side, NaN);
            QCOMPARE(Common::getTextPrevent(), names[row] + QStringLiteral(" min"));
        }
    }

    void digitalInputFunction()
    {
        const QList<QString> names = Common::protectionNamesList();
        const QVector<int> inputs = digitalInputs();
        for (int row = 21; row <= 40; ++row) {
            const quint16 function = inputFunctionId(inputs[row - 21]);
            QCOMPARE(preventWith(row), names[row] + QLatin1Char(' '));  // function 0 has no text
            set(function, 1);
            QCOMPARE(Common::getTextPrevent(), names[row] + QLatin1Char(' ') + Common::getTextDiParameter(1));
            set(function, 65536 + 2);  // low 16 bits
            QCOMPARE(Common::getTextPrevent(), names[row] + QLatin1Char(' ') + Common::getTextDiParameter(2));
            set(function, -1);
            QCOMPARE(Common::getTextPrevent(), names[row] + QStringLiteral(" 65535"));
        }
    }

    void pressureLimitKind()
    {
        const QString name = Common::protectionNamesList()[12];
        QCOMPARE(preventWith(12), name + QStringLiteral(" Pmin"));
        set(2084, 1);
        QCOMPARE(Common::getTextPrevent(), name + QLatin1Char(' ') + Common::getTextPinType(1));
        set(2084, 65536);  // low 16 bits: 0
        QCOMPARE(Common::getTextPrevent(), name + QStringLiteral(" Pmin"));
    }

    void startCondition()
    {
        QCOMPARE(preventWith(50, 955), QStringLiteral("Отложенный пуск"));
        QCOMPARE(preventWith(50, 1337), QStringLiteral("Отключение режима"));
        QCOMPARE(preventWith(50, 1031), QStringLiteral("Идёт: %1").arg(Common::getTextFromId(1031)));
        QCOMPARE(preventWith(50, 22), QStringLiteral("Проверьте: %1").arg(Common::getTextFromId(22)));

        quiet();
        set(1360, 1359);
        set(1359, 1359);
        QCOMPARE(Common::getTextPrevent(), QLatin1Char(' ') + Common::getTextFromId(1359));
        set(1359, 1172);
        QCOMPARE(Common::getTextPrevent(),
                 QStringLiteral("Значение %1 < %2, увеличьте %3")
                     .arg(Common::getTextFromId(1172), Common::getTextFromId(1173), Common::getTextFromId(698)));
        set(1359, 22);
        QCOMPARE(Common::getTextPrevent(), QStringLiteral("Проверьте: %1").arg(Common::getTextFromId(22)));
        set(1359, NaN);
        QCOMPARE(Common::getTextPrevent(), QStringLiteral("Проверьте: 0"));

        // After another entry: separator, empty name, then the condition.
        set(119, 1);
        set(1360, 955);
        QCOMPARE(Common::getTextPrevent(), Common::protectionNamesList()[6] + QStringLiteral(", Отложенный пуск"));
    }

    void driveNotChosenOrNotLinked()
    {
        quiet();
        set(IdVsdType, 0);
        set(IdVsdLink, 0);  // not reported while no drive is chosen
        QCOMPARE(Common::getTextPrevent(), QStringLiteral(" Не выбран тип ЧРП"));
        set(IdVsdType, 65536);  // low 16 bits: none chosen
        QCOMPARE(Common::getTextPrevent(), QStringLiteral(" Не выбран тип ЧРП"));
        set(IdVsdType, -5);
        QCOMPARE(Common::getTextPrevent(), QStringLiteral(" Не выбран тип ЧРП"));
        set(IdVsdType, NaN);
        QCOMPARE(Common::getTextPrevent(), QStringLiteral(" Не выбран тип ЧРП"));
        set(IdVsdType, 2);
        QCOMPARE(Common::getTextPrevent(), QStringLiteral(" Нет связи с ЧРП"));
        set(IdVsdLink, NaN);  // a NaN is not 0
        QCOMPARE(Common::getTextPrevent(), QString());
        set(IdVsdLink, 0);
        set(119, 1);
        QCOMPARE(Common::getTextPrevent(), Common::protectionNamesList()[6] + QStringLiteral(",  Нет связи с ЧРП"));
    }

    void preventTranslatedInParts()
    {
        MarkingTranslator marking;
        quiet();
        set(IdVsdType, 0);
        set(1360, 1359);
        set(1359, 22);
        set(329, 1);
        set(1231, 1);
        QCOMPARE(Common::getTextPrevent(), QStringLiteral("[Защита по цифровому входу 1] [Контактный манометр], [Проверьте: [Дверь]], "
                                      " [Не выбран тип ЧРП]"));
    }

    // --- running delay ---------------------------------------------------------------------

    void runningDelay()
    {
        quiet();
        QCOMPARE(Common::runningDelayIndex(), -1);
        // Parameter 0 is no delay, though row 0 holds its place with the id 0.
        set(0, 1);
        QCOMPARE(Common::runningDelayIndex(), -1);
        const QList<int> delays = Common::delayIdsList();
        for (int row = 1; row < delays.size(); ++row) {
            quiet();
            set(static_cast<quint16>(delays[row]), 5);
            QCOMPARE(Common::runningDelayIndex(), row);
        }
        quiet();
        set(static_cast<quint16>(delays[30]), 1);
        set(static_cast<quint16>(delays[7]), 1);
        QCOMPARE(Common::runningDelayIndex(), 7);
    }

    // --- stop reasons ----------------------------------------------------------------------

    void inputSignalCodes()
    {
        const QVector<int> inputs = digitalInputs();
        const QVector<int> codes = codeRanges({{59, 62}, {124, 127}, {130, 141}});
        for (int i = 0; i < codes.size(); ++i)
            QCOMPARE(Common::getTextReasonStop(codes[i]), QStringLiteral("Сигнал цифр.вх.") + QString::number(inputs[i]));
    }

    void inputProtectionCodesReadTheirInput()
    {
        const QVector<int> inputs = digitalInputs();
        const QVector<int> codes = codeRanges({{107, 110}, {120, 123}, {142, 153}});
        for (int i = 0; i < codes.size(); ++i) {
            // Only this input's function is 1; every other input's is 2.
            for (int input : inputs)
                set(inputFunctionId(input), input == inputs[i] ? 1 : 2);
            const QString head = QStringLiteral("Защита цифр.вх.") + QString::number(inputs[i]) + QStringLiteral(". ");
            QCOMPARE(Common::getTextReasonStop(codes[i]), head + Common::getTextDiParameter(1));
        }
        set(1231, 1);
        QCOMPARE(Common::getTextReasonStop(107), QStringLiteral("Защита цифр.вх.1. Контактный манометр"));
        set(1231, 0);
        QCOMPARE(Common::getTextReasonStop(107), QStringLiteral("Защита цифр.вх.1. "));
        set(1231, 9);
        QCOMPARE(Common::getTextReasonStop(107), QStringLiteral("Защита цифр.вх.1. 9"));
        set(1231, 65537);  // 16 bits kept
        QCOMPARE(Common::getTextReasonStop(107), QStringLiteral("Защита цифр.вх.1. Контактный манометр"));
        set(1231, -3);  // saturates to 0
        QCOMPARE(Common::getTextReasonStop(107), QStringLiteral("Защита цифр.вх.1. "));
        set(1231, NaN);
        QCOMPARE(Common::getTextReasonStop(107), QStringLiteral("Защита цифр.вх.1. "));
        set(2030, 4);
        QCOMPARE(Common::getTextReasonStop(153), QStringLiteral("Защита цифр.вх.24. ") + Common::getTextDiParameter(4));
    }

    void otherCodesFallBackToTheDrive()
    {
        const QString drive = QStringLiteral("ЧРП") + QStringLiteral(". ");
        int direct = 0;
        QVector<int> codes;
        for (int code = -1000; code <= 65534; ++code)
            codes.append(code);
        codes << INT_MIN << INT_MAX << 65535 << 1000000;
        for (int code : codes) {
            const QString text = Common::getTextReasonStop(code);
            const QString alarm = Common::getTextVsdAlarm(code, false);
            const QString fallback = alarm.isEmpty() ? QString::number(code, 10) : drive + alarm;
            if (code >= 0 && code <= 156) {
                if (text.startsWith(QStringLiteral("Сигнал цифр.вх.")) || text.startsWith(QStringLiteral("Защита цифр.вх.")))
                    continue;
                if (text != fallback)
                    ++direct;
                continue;
            }
            QCOMPARE(text, fallback);
        }
        QCOMPARE(direct, 42);
        QVERIFY(Common::getTextReasonStop(0).isEmpty());
        QCOMPARE(Common::getTextReasonStop(7), QStringLiteral("7"));
        QCOMPARE(Common::getTextReasonStop(1001), drive + QStringLiteral("Неизвестная ошибка"));
        QCOMPARE(Common::getTextReasonStop(2009), drive + Common::getTextVsdAlarm(2009, false));
        // Direct texts that begin like a drive text do not pass through the drive.
        QCOMPARE(Common::getTextReasonStop(111), QStringLiteral("ЧРП. Нет связи"));
    }

    void stopReasonsTranslatedInParts()
    {
        MarkingTranslator marking;
        set(1231, 1);
        QCOMPARE(Common::getTextReasonStop(107), QStringLiteral("[Защита цифр.вх.]1. [Контактный манометр]"));
        QCOMPARE(Common::getTextReasonStop(60), QStringLiteral("[Сигнал цифр.вх.]2"));
        QCOMPARE(Common::getTextReasonStop(2009), QStringLiteral("[ЧРП]. [Перегрузка инвертера] А9"));
        QCOMPARE(Common::getTextReasonStop(111), QStringLiteral("[ЧРП. Нет связи]"));
        QCOMPARE(Common::getTextReasonStop(7), QStringLiteral("7"));
        QVERIFY(Common::getTextReasonStop(0).isEmpty());
    }

    // --- without a store -----------------------------------------------------------------

    void noStoreReadsZero()
    {
        Common::setParameters(nullptr);
        const QString prevent = Common::getTextPrevent();
        const QString stop = Common::getTextReasonStop(107);
        const int delay = Common::runningDelayIndex();
        Common::setParameters(m_params);
        QCOMPARE(prevent, QStringLiteral(" Не выбран тип ЧРП"));
        QCOMPARE(stop, QStringLiteral("Защита цифр.вх.1. "));
        QCOMPARE(delay, -1);
    }
};

QTEST_MAIN(TestTextsStore)
#include "tst_texts_store.moc"
