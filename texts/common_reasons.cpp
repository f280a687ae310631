#include "common.h"
#include "parameters.h"
#include "saturate.h"

#include <QCoreApplication>
#include <QObject>
#include <algorithm>
#include <iterator>

namespace {

// Reason codes of the station itself; drive alarm codes lie above.
constexpr unsigned int LastReasonCode = 156;

struct Reason
{
    int code;
    const char* text;  // nullptr: no text of its own
};

// Starts with a text of their own (0: no start recorded).
constexpr Reason startTexts[] = {
    {0, nullptr},
    {1, QT_TRANSLATE_NOOP("QObject", "Оператор")},
    {2, QT_TRANSLATE_NOOP("QObject", "Автоматический")},
    {3, QT_TRANSLATE_NOOP("QObject", "Телеуправление")},
    {4, QT_TRANSLATE_NOOP("QObject", "По программе")},
    {108, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 1")},
    {109, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 2")},
    {110, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 3")},
    {111, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 4")},
    {120, QT_TRANSLATE_NOOP("QObject", "Автоадаптация")},
    {125, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 7")},
    {126, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 8")},
    {127, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 9")},
    {128, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 10")},
    {129, QT_TRANSLATE_NOOP("QObject", "Отложенный пуск")},
};

// Restarts after a protection tripped: "АПВ по защите: " and the protection.
// Code 22 names no protection; its number stands in.
constexpr Reason restartProtections[] = {
    {5, QT_TRANSLATE_NOOP("QObject", "Недогруз двигателя")},
    {6, QT_TRANSLATE_NOOP("QObject", "Перегруз двигателя")},
    {7, QT_TRANSLATE_NOOP("QObject", "Дисбаланс токов ПЭД")},
    {8, QT_TRANSLATE_NOOP("QObject", "Снижение питания сети")},
    {9, QT_TRANSLATE_NOOP("QObject", "Превышение питания сети")},
    {10, QT_TRANSLATE_NOOP("QObject", "Дисбаланс напряжения")},
    {11, QT_TRANSLATE_NOOP("QObject", "Турбинное вращение")},
    {12, QT_TRANSLATE_NOOP("QObject", "Чередование фаз")},
    {13, QT_TRANSLATE_NOOP("QObject", "Блокировка двери")},
    {14, QT_TRANSLATE_NOOP("QObject", "Pmin на приёме насоса")},
    {15, QT_TRANSLATE_NOOP("QObject", "Перегрев двигателя")},
    {16, QT_TRANSLATE_NOOP("QObject", "Превышение вибрации")},
    {17, QT_TRANSLATE_NOOP("QObject", "Снижение давления")},
    {18, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 1 Мин.")},
    {19, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 1 Макс.")},
    {20, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 2 Мин.")},
    {21, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 2 Макс.")},
    {22, nullptr},
    {23, QT_TRANSLATE_NOOP("QObject", "Отключение питания сети")},
    {100, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 3 Мин.")},
    {101, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 4 Мин.")},
    {102, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 3 Макс.")},
    {103, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 4 Макс.")},
    {104, QT_TRANSLATE_NOOP("QObject", "Предел тока двигателя")},
    {105, QT_TRANSLATE_NOOP("QObject", "Рассинхронизация ПВЭД")},
    {106, QT_TRANSLATE_NOOP("QObject", "Сопротивление изоляции")},
    {107, QT_TRANSLATE_NOOP("QObject", "Аппаратные защиты ЧРП")},
    {112, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 1")},
    {113, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 2")},
    {114, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 3")},
    {115, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 4")},
    {116, QT_TRANSLATE_NOOP("QObject", "Дисбаланс входных токов")},
    {117, QT_TRANSLATE_NOOP("QObject", "Минимальный расход")},
    {118, QT_TRANSLATE_NOOP("QObject", "Pmax на выкиде насоса")},
    {119, QT_TRANSLATE_NOOP("QObject", "Перегрев фильтра")},
    {121, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 7")},
    {122, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 8")},
    {123, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 9")},
    {124, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 10")},
    {130, QT_TRANSLATE_NOOP("QObject", "Перегрев радиатора")},
    {155, QT_TRANSLATE_NOOP("QObject", "Температура на приёме")},
    {156, QT_TRANSLATE_NOOP("QObject", "Потеря связи с ТМС")},
};

// Stops with a text of their own (0: no stop recorded).
constexpr Reason stopTexts[] = {
    {0, nullptr},
    {1, QT_TRANSLATE_NOOP("QObject", "Оператор")},
    {2, QT_TRANSLATE_NOOP("QObject", "Сопротивление изоляции")},
    {3, QT_TRANSLATE_NOOP("QObject", "Недогруз двигателя")},
    {4, QT_TRANSLATE_NOOP("QObject", "Перегруз двигателя")},
    {5, QT_TRANSLATE_NOOP("QObject", "Снижение питания сети")},
    {6, QT_TRANSLATE_NOOP("QObject", "Превышение питания сети")},
    {9, QT_TRANSLATE_NOOP("QObject", "Взлом СУ")},
    {12, QT_TRANSLATE_NOOP("QObject", "Контактный манометр")},
    {13, QT_TRANSLATE_NOOP("QObject", "Pmin на приёме насоса")},
    {14, QT_TRANSLATE_NOOP("QObject", "Перегрев двигателя")},
    {16, QT_TRANSLATE_NOOP("QObject", "Превышение вибрации")},
    {20, QT_TRANSLATE_NOOP("QObject", "Дисбаланс токов ПЭД")},
    {21, QT_TRANSLATE_NOOP("QObject", "Дисбаланс напряжения")},
    {24, QT_TRANSLATE_NOOP("QObject", "По программе")},
    {26, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 1 Макс.")},
    {27, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 2 Макс.")},
    {28, QT_TRANSLATE_NOOP("QObject", "Телеуправление")},
    {30, QT_TRANSLATE_NOOP("QObject", "Отключение питания сети")},
    {41, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 1 Мин.")},
    {42, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 2 Мин.")},
    {100, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 3 Мин.")},
    {101, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 4 Мин.")},
    {102, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 3 Макс.")},
    {103, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 4 Макс.")},
    {104, QT_TRANSLATE_NOOP("QObject", "Предел тока двигателя")},
    {105, QT_TRANSLATE_NOOP("QObject", "Рассинхронизация ПВЭД")},
    {106, QT_TRANSLATE_NOOP("QObject", "Аппаратные защиты ЧРП")},
    {111, QT_TRANSLATE_NOOP("QObject", "ЧРП. Нет связи")},
    {112, QT_TRANSLATE_NOOP("QObject", "Дисбаланс входных токов")},
    {113, QT_TRANSLATE_NOOP("QObject", "ЧРП. Ошибка управления")},
    {114, QT_TRANSLATE_NOOP("QObject", "Превышение числа пусков")},
    {115, QT_TRANSLATE_NOOP("QObject", "Минимальный расход")},
    {116, QT_TRANSLATE_NOOP("QObject", "Pmax на выкиде насоса")},
    {117, QT_TRANSLATE_NOOP("QObject", "Перегрев фильтра")},
    {118, QT_TRANSLATE_NOOP("QObject", "Автоадаптация")},
    {119, QT_TRANSLATE_NOOP("QObject", "Чередование фаз")},
    {128, QT_TRANSLATE_NOOP("QObject", "Автонастройка")},
    {129, QT_TRANSLATE_NOOP("QObject", "Перегрев радиатора")},
    {154, QT_TRANSLATE_NOOP("QObject", "Температура на приёме")},
    {155, QT_TRANSLATE_NOOP("QObject", "Pmax критическое на приёме насоса")},
    {156, QT_TRANSLATE_NOOP("QObject", "Потеря связи с ТМС")},
};

template <std::size_t N>
constexpr bool ascending(const Reason (&table)[N])
{
    for (std::size_t i = 1; i < N; ++i)
        if (table[i - 1].code >= table[i].code)
            return false;
    return true;
}

static_assert(std::size(startTexts) == 15 && std::size(restartProtections) == 42
                  && std::size(stopTexts) == 42,
              "reason tables");
static_assert(ascending(startTexts) && ascending(restartProtections) && ascending(stopTexts),
              "look-ups halve the tables");

template <std::size_t N>
const Reason* findReason(const Reason (&table)[N], int code)
{
    const auto end = std::end(table);
    const auto it = std::lower_bound(std::begin(table), end, code,
                                     [](const Reason& entry, int key) { return entry.code < key; });
    return it != end && it->code == code ? it : nullptr;
}

QString reasonText(const Reason& reason)
{
    return reason.text ? QCoreApplication::translate("QObject", reason.text) : QString();
}

// A run of stop codes that belong to consecutive digital inputs.
struct InputCodes
{
    int firstCode;
    int lastCode;
    int firstInput;
};

// Inputs 5, 6, 11 and 12 have no codes.
constexpr InputCodes inputSignalCodes[] = {{59, 62, 1}, {124, 127, 7}, {130, 141, 13}};
constexpr InputCodes inputProtectionCodes[] = {{107, 110, 1}, {120, 123, 7}, {142, 153, 13}};

template <std::size_t N>
int inputOf(const InputCodes (&runs)[N], int code)
{
    for (const InputCodes& run : runs) {
        if (code >= run.firstCode && code <= run.lastCode)
            return run.firstInput + code - run.firstCode;
    }
    return 0;
}

// The parameter holding the function assigned to digital input 1..4, 7..10 or 13..24.
quint16 inputFunctionId(int input)
{
    if (input <= 4)
        return static_cast<quint16>(1230 + input);
    if (input <= 10)
        return static_cast<quint16>(1228 + input);
    return static_cast<quint16>(1788 + 22 * (input - 13));
}

float storeValue(quint16 id)
{
    const Parameters* parameters = Common::parameters();
    return parameters ? parameters->get(id) : 0.0f;
}

} // namespace

QString Common::getTextReasonRun(int code)
{
    if (static_cast<unsigned int>(code) > LastReasonCode)
        return QString::number(code, 10);
    if (const Reason* start = findReason(startTexts, code))
        return reasonText(*start);
    if (const Reason* restart = findReason(restartProtections, code)) {
        const QString protection = restart->text ? reasonText(*restart) : QString::number(code, 10);
        return QObject::tr("АПВ по защите") + QLatin1String(": ") + protection;
    }
    return QString::number(code, 10);
}

QString Common::getTextReasonStop(int code)
{
    if (static_cast<unsigned int>(code) <= LastReasonCode) {
        if (const Reason* stop = findReason(stopTexts, code))
            return reasonText(*stop);
        if (const int input = inputOf(inputSignalCodes, code))
            return QObject::tr("Сигнал цифр.вх.") + QString::number(input);
        if (const int input = inputOf(inputProtectionCodes, code)) {
            // The function code is a float parameter: saturate, then keep 16 bits.
            const unsigned int function = saturatingUInt(storeValue(inputFunctionId(input)));
            return QStringLiteral("%1. %2").arg(QObject::tr("Защита цифр.вх.") + QString::number(input),
                                                getTextDiParameter(static_cast<unsigned short>(function & 0xFFFFu)));
        }
    }
    const QString alarm = getTextVsdAlarm(code, false);
    if (!alarm.isEmpty())
        return QStringLiteral("%1. %2").arg(QObject::tr("ЧРП"), alarm);
    return QString::number(code, 10);
}
