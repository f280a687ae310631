#include "common.h"
#include "parameters.h"
#include "saturate.h"

#include <QCoreApplication>
#include <QObject>
#include <iterator>

namespace {

// What the prevent text appends after a protection's name.
enum Detail {
    NoDetail,
    PinType,        // which intake-pressure limit: Pmin or Pmax
    AiAlarmSide,    // which side of an analog input's limit
    DiFunction,     // the function assigned to the digital input
    DriveAlarm,     // the drive's alarm code
    StartCondition  // what the start condition waits for (parameters 1360 and 1359)
};

// Row 50 has no running delay; row 0's delay entry is the id 0, which names
// no parameter and keeps the delay list aligned with the names.
constexpr int NoDelay = -1;

struct Protection
{
    const char* name;
    quint16 preventId;
    int delayId;
    Detail detail;
    quint16 detailId;
};

// Every protection that can refuse a start, in the order the station lists them.
constexpr Protection catalogue[] = {
    // name, start-prevent id, running-delay id, detail appended, its parameter
    {QT_TRANSLATE_NOOP("QObject", "Отключение питания"), 875, 0, NoDetail, 0},  // 0
    {QT_TRANSLATE_NOOP("QObject", "Превышение питания сети"), 44, 730, NoDetail, 0},  // 1
    {QT_TRANSLATE_NOOP("QObject", "Снижение питания сети"), 59, 731, NoDetail, 0},  // 2
    {QT_TRANSLATE_NOOP("QObject", "Дисбаланс напряжения"), 74, 732, NoDetail, 0},  // 3
    {QT_TRANSLATE_NOOP("QObject", "Дисбаланс входных токов"), 89, 733, NoDetail, 0},  // 4
    {QT_TRANSLATE_NOOP("QObject", "Чередование фаз"), 104, 734, NoDetail, 0},  // 5
    {QT_TRANSLATE_NOOP("QObject", "Перегруз двигателя"), 119, 735, NoDetail, 0},  // 6
    {QT_TRANSLATE_NOOP("QObject", "Недогруз двигателя"), 134, 736, NoDetail, 0},  // 7
    {QT_TRANSLATE_NOOP("QObject", "Предел тока двигателя"), 149, 737, NoDetail, 0},  // 8
    {QT_TRANSLATE_NOOP("QObject", "Дисбаланс токов ПЭД"), 164, 738, NoDetail, 0},  // 9
    {QT_TRANSLATE_NOOP("QObject", "Турбинное вращение"), 179, 739, NoDetail, 0},  // 10
    {QT_TRANSLATE_NOOP("QObject", "Рассинхронизация ПВЭД"), 194, 740, NoDetail, 0},  // 11
    {QT_TRANSLATE_NOOP("QObject", "Давление на приёме насоса"), 209, 741, PinType, 2084},  // 12
    {QT_TRANSLATE_NOOP("QObject", "Перегрев двигателя"), 224, 742, NoDetail, 0},  // 13
    {QT_TRANSLATE_NOOP("QObject", "Температура на приёме"), 2057, 2072, NoDetail, 0},  // 14
    {QT_TRANSLATE_NOOP("QObject", "Пониженное сопротивление изоляции"), 239, 743, NoDetail, 0},  // 15
    {QT_TRANSLATE_NOOP("QObject", "Превышение вибрации"), 254, 744, NoDetail, 0},  // 16
    {QT_TRANSLATE_NOOP("QObject", "Ан. вх. 1"), 269, 745, AiAlarmSide, 845},  // 17
    {QT_TRANSLATE_NOOP("QObject", "Ан. вх. 2"), 284, 746, AiAlarmSide, 846},  // 18
    {QT_TRANSLATE_NOOP("QObject", "Ан. вх. 3"), 299, 747, AiAlarmSide, 847},  // 19
    {QT_TRANSLATE_NOOP("QObject", "Ан. вх. 4"), 314, 748, AiAlarmSide, 848},  // 20
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 1"), 329, 749, DiFunction, 1231},  // 21
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 2"), 344, 750, DiFunction, 1232},  // 22
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 3"), 359, 751, DiFunction, 1233},  // 23
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 4"), 374, 752, DiFunction, 1234},  // 24
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 7"), 1240, 1255, DiFunction, 1235},  // 25
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 8"), 1257, 1272, DiFunction, 1236},  // 26
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 9"), 1274, 1289, DiFunction, 1237},  // 27
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 10"), 1291, 1306, DiFunction, 1238},  // 28
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 13"), 1791, 1806, DiFunction, 1788},  // 29
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 14"), 1813, 1828, DiFunction, 1810},  // 30
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 15"), 1835, 1850, DiFunction, 1832},  // 31
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 16"), 1857, 1872, DiFunction, 1854},  // 32
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 17"), 1879, 1894, DiFunction, 1876},  // 33
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 18"), 1901, 1916, DiFunction, 1898},  // 34
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 19"), 1923, 1938, DiFunction, 1920},  // 35
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 20"), 1945, 1960, DiFunction, 1942},  // 36
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 21"), 1967, 1982, DiFunction, 1964},  // 37
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 22"), 1989, 2004, DiFunction, 1986},  // 38
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 23"), 2011, 2026, DiFunction, 2008},  // 39
    {QT_TRANSLATE_NOOP("QObject", "Защита по цифровому входу 24"), 2033, 2048, DiFunction, 2030},  // 40
    {QT_TRANSLATE_NOOP("QObject", "Превышение числа пусков"), 389, 753, NoDetail, 0},  // 41
    {QT_TRANSLATE_NOOP("QObject", "Блокировка силового отсека"), 403, 754, NoDetail, 0},  // 42
    {QT_TRANSLATE_NOOP("QObject", "ЧРП"), 418, 755, DriveAlarm, 843},  // 43
    {QT_TRANSLATE_NOOP("QObject", "Контроль УКИ"), 433, 756, NoDetail, 0},  // 44
    {QT_TRANSLATE_NOOP("QObject", "Минимальный расход"), 919, 933, NoDetail, 0},  // 45
    {QT_TRANSLATE_NOOP("QObject", "Pmax на выкиде насоса"), 937, 951, NoDetail, 0},  // 46
    {QT_TRANSLATE_NOOP("QObject", "Перегрев фильтра"), 968, 982, NoDetail, 0},  // 47
    {QT_TRANSLATE_NOOP("QObject", "Перегрев радиатора"), 1561, 1576, NoDetail, 0},  // 48
    {QT_TRANSLATE_NOOP("QObject", "Потеря связи с ТМС"), 2089, 2104, NoDetail, 0},  // 49
    {nullptr, 1360, NoDelay, StartCondition, 1360},  // 50
};

static_assert(std::size(catalogue) == 51, "protection catalogue");

constexpr quint16 IdVsdType = 685;
constexpr quint16 IdVsdLink = 702;
constexpr quint16 IdStartCondition = 1360;
constexpr quint16 IdStartConditionParam = 1359;

float storeValue(quint16 id)
{
    const Parameters* parameters = Common::parameters();
    return parameters ? parameters->get(id) : 0.0f;
}

// Codes held in float parameters: NaN and out-of-range values saturate, so the
// board and a desktop build name the same code.
int signedValue(quint16 id)
{
    return saturatingInt(storeValue(id));
}

unsigned short low16(quint16 id)
{
    return static_cast<unsigned short>(signedValue(id));
}

QString protectionName(const Protection& row)
{
    return row.name ? QCoreApplication::translate("QObject", row.name) : QString();
}

// The start condition names the parameter to check by its short name.
QString startCondition()
{
    const float condition = storeValue(IdStartCondition);
    const float checked = storeValue(IdStartConditionParam);
    if (condition == 1359.0f) {
        if (checked == 1359.0f)
            return QLatin1Char(' ') + Common::getTextFromId(1359);
        if (checked == 1172.0f)
            return QObject::tr("Значение %1 < %2, увеличьте %3")
                .arg(Common::getTextFromId(1172), Common::getTextFromId(1173), Common::getTextFromId(698));
        return QObject::tr("Проверьте: %1").arg(Common::getTextFromId(saturatingInt(checked)));
    }
    if (condition == 1031.0f)
        return QObject::tr("Идёт: %1").arg(Common::getTextFromId(1031));
    if (condition == 955.0f)
        return QObject::tr("Отложенный пуск");
    if (condition == 1337.0f)
        return QObject::tr("Отключение режима");
    return QObject::tr("Проверьте: %1").arg(Common::getTextFromId(saturatingInt(condition)));
}

QString detailText(const Protection& row)
{
    switch (row.detail) {
    case NoDetail:
        return QString();
    case PinType:
        return QLatin1Char(' ') + Common::getTextPinType(low16(row.detailId));
    case AiAlarmSide:
        return QLatin1Char(' ') + Common::getTextAiAlarmType(signedValue(row.detailId));
    case DiFunction:
        return QLatin1Char(' ') + Common::getTextDiParameter(low16(row.detailId));
    case DriveAlarm: {
        const int alarm = signedValue(row.detailId);
        return alarm != 0 ? QLatin1String(". ") + Common::getTextVsdAlarm(alarm, true) : QString();
    }
    case StartCondition:
        return startCondition();
    }
    return QString();
}

void appendDriveMessage(QString& text, const QString& message)
{
    if (!text.isEmpty())
        text += QLatin1String(", ");
    text += QLatin1Char(' ') + message;
}

} // namespace

QList<QString> Common::protectionNamesList()
{
    QList<QString> names;
    names.reserve(static_cast<int>(std::size(catalogue)));
    for (const Protection& row : catalogue)
        names.append(protectionName(row));
    return names;
}

QList<int> Common::preventIdsList()
{
    QList<int> ids;
    ids.reserve(static_cast<int>(std::size(catalogue)));
    for (const Protection& row : catalogue)
        ids.append(row.preventId);
    return ids;
}

QList<int> Common::delayIdsList()
{
    QList<int> ids;
    ids.reserve(static_cast<int>(std::size(catalogue)));
    for (const Protection& row : catalogue) {
        if (row.delayId != NoDelay)
            ids.append(row.delayId);
    }
    return ids;
}

int Common::runningDelayIndex()
{
    int row = 0;
    for (const Protection& protection : catalogue) {
        // The id 0 of row 0 only holds the place: parameter 0 is no delay.
        if (protection.delayId > 0 && storeValue(static_cast<quint16>(protection.delayId)) != 0.0f)
            return row;
        ++row;
    }
    return -1;
}

QString Common::getTextPrevent()
{
    QString text;
    for (const Protection& row : catalogue) {
        // A value not yet received (NaN) counts as preventing: the station
        // does not start on a protection it has not heard from.
        if (storeValue(row.preventId) == 0.0f)
            continue;
        if (!text.isEmpty())
            text += QLatin1String(", ");
        text += protectionName(row);
        text += detailText(row);
    }

    const unsigned int vsdType = saturatingUInt(storeValue(IdVsdType)) & 0xFFFFu;
    if (vsdType == 0)
        appendDriveMessage(text, QObject::tr("Не выбран тип ЧРП"));
    else if (storeValue(IdVsdLink) == 0.0f)
        appendDriveMessage(text, QObject::tr("Нет связи с ЧРП"));
    return text;
}
