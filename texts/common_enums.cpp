#include "common.h"

#include <QCoreApplication>
#include <QObject>

// One selection per enumeration. Each call builds its text afresh, so a change
// of language shows at the next call; the texts marked plain read the same in
// every language.

QString Common::getTextOnOff(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Откл");
    case 1: return QObject::tr("Вкл");
    default: return QString();
    }
}

QString Common::getTextProtMode(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Откл");
    case 1: return QObject::tr("Блок");
    case 2: return QObject::tr("АПВ");
    case 3: return QObject::tr("Вкл");
    default: return QString();
    }
}

QString Common::getTextRgmMode(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Откл");
    case 1: return QObject::tr("Однократно");
    case 2: return QObject::tr("Постоянно");
    case 3: return QObject::tr("Вкл");
    default: return QString();
    }
}

QString Common::getTextAlarmVSDMode(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Откл");
    case 1: return QObject::tr("Предупреждение");
    case 2: return QObject::tr("Авария");
    default: return QString();
    }
}

QString Common::getTextCondition(int code)
{
    switch (code) {
    case 1: return QObject::tr("ТОРМОЖЕНИЕ");
    case 2: return QObject::tr("ЗАПУСК");
    case 3: return QObject::tr("РАБОТА");
    case 4: return QObject::tr("ЗАДЕРЖКА СРАБАТЫВАНИЯ");
    case 5: return QObject::tr("ОЖИДАНИЕ АПВ");
    case 6: return QObject::tr("БЛОКИРОВКА");
    default: return QObject::tr("СТОП");
    }
}

QString Common::getTextConnect(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Потеряна");
    case 1: return QObject::tr("Восстановлена");
    default: return QString();
    }
}

QString Common::getTextRgmRun(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Откл");
    case 1: return QObject::tr("Плавный");
    case 2: return QObject::tr("Толчковый");
    case 3: return QObject::tr("Раскачкой");
    case 4: return QObject::tr("С синхронизацией");
    case 5: return QObject::tr("Подхват");
    case 6: return QObject::tr("Пропуск F");
    case 7: return QObject::tr("Автоадаптация");
    case 8: return QObject::tr("Прямой пуск");
    case 9: return QObject::tr("\"Мягкий\" пуск");
    case 10: return QObject::tr("C увел. моментом");
    case 11: return QObject::tr("Автонастройка");
    case 12: return QObject::tr("Спецалгоритмы РН");
    default: return QObject::tr("Неизвестный тип пуска");
    }
}

QString Common::getTextTypeMtr(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Асинхронный");
    case 1: return QObject::tr("Вентильный");
    default: return QObject::tr("Неизвестный");
    }
}

QString Common::getTextRotation(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Прямое");
    case 1: return QObject::tr("Обратное");
    default: return QString();
    }
}

QString Common::getTextMotorControl(unsigned short code)
{
    switch (code) {
    case 0: return QStringLiteral("U/f");
    case 1: return QObject::tr("Векторное");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextVectType(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Угол");
    case 1: return QObject::tr("Мин.ток");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextTypeStop(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Плавный");
    case 1: return QObject::tr("Выбегом");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextPhaseRotation(unsigned short code)
{
    switch (code) {
    case 0: return QStringLiteral("ABC");
    case 1: return QStringLiteral("CBA");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextUfType(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Линейная");
    case 1: return QObject::tr("Квадратичная");
    case 2: return QObject::tr("Обр. квадр.");
    case 3: return QObject::tr("По точкам");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextMotorProfile(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("3000 Об/мин");
    case 1: return QObject::tr("ВДМ");
    case 2: return QObject::tr("ВВД");
    case 500: return QObject::tr("500 Об/мин");
    case 1000: return QObject::tr("1000 Об/мин");
    case 3000: return QObject::tr("3000 Об/мин");
    case 3600: return QObject::tr("3600 Об/мин");
    case 6000: return QObject::tr("6000 Об/мин");
    case 8500: return QObject::tr("8500 Об/мин");
    case 12000: return QObject::tr("12000 Об/мин");
    default: return QString();
    }
}

QString Common::getTextMotorInductance(unsigned short code)
{
    switch (code) {
    case 1: return QObject::tr("Инд. сопр. фазы");
    case 2: return QObject::tr("Инд. по осям");
    default: return QObject::tr("Индуктивность");
    }
}

QString Common::getTextUseInduct(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Суммарная");
    case 1: return QObject::tr("Раздельная");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextTypeMetal(unsigned short code)
{
    switch (code) {
    case 1: return QObject::tr("Алюминий");
    default: return QObject::tr("Медь");
    }
}

QString Common::getTextSourceVoltage(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("ВРХ");
    case 1: return QObject::tr("Счётчик");
    default: return QString();
    }
}

QString Common::getTextSourceCurrent(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("ВРХ");
    case 1: return QObject::tr("ЧРП");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextSourceR(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Нет");
    case 1: return QObject::tr("Авто");
    case 2: return QObject::tr("ЧРП");
    case 3: return QObject::tr("ТМС");
    case 4: return QObject::tr("УКИ");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextSourceTemperature(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Обмотка");
    case 1: return QObject::tr("Масло");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextTypeVolt(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Фазное");
    case 1: return QObject::tr("Линейное");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextSensorPosition(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("На входе");
    case 1: return QObject::tr("На выходе");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextSwitchingFreqCode(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("1,0 кГц");
    case 1: return QObject::tr("1,5 кГц");
    case 2: return QObject::tr("2,0 кГц");
    case 3: return QObject::tr("2,5 кГц");
    case 4: return QObject::tr("3,0 кГц");
    case 5: return QObject::tr("3,5 кГц");
    case 6: return QObject::tr("4,0 кГц");
    case 7: return QObject::tr("5,0 кГц");
    case 8: return QObject::tr("6,0 кГц");
    case 9: return QObject::tr("7,0 кГц");
    case 10: return QObject::tr("8,0 кГц");
    case 11: return QObject::tr("9,0 кГц");
    case 12: return QObject::tr("12,0 кГц");
    case 13: return QObject::tr("14,0 кГц");
    case 14: return QObject::tr("16,0 кГц");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextChanelVsd(unsigned short code)
{
    switch (code) {
    case 2: return QObject::tr("Основной");
    case 4: return QObject::tr("Резервный");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextVSdDoor(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Откл");
    case 1: return QObject::tr("Стоп");
    case 2: return QObject::tr("Откл. пит.");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextVsdType(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Нет");
    case 1: return QObject::tr("Тарвеск");
    case 2: return QStringLiteral("Danfoss");
    case 3: return QObject::tr("Riduri");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextEmType(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Откл");
    case 1: return QObject::tr("СЭТ-4ТМ03");
    case 2: return QObject::tr("ABB");
    case 3: return QObject::tr("ABB A44");
    case 4: return QObject::tr("ГРАН СС-301-5.1");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextDhsType(typeDHS type)
{
    switch (type) {
    case DHS_NONE: return QObject::tr("Нет");
    case DHS_TARVESK: return QObject::tr("Тарвеск");
    case DHS_ALMAZ: return QObject::tr("Алмаз");
    case DHS_BORETS_1: return QObject::tr("Борец СПТ") + QStringLiteral("-1");
    case DHS_ELEKTON_2: return QObject::tr("Электон ТМСН") + QStringLiteral("-2");
    case DHS_ELEKTON_3: return QObject::tr("Электон ТМСН") + QStringLiteral("-3");
    case DHS_RIDURI: return QObject::tr("Riduri");
    case DHS_IRZ: return QObject::tr("ИРЗ");
    case DHS_ORION: return QObject::tr("Орион");
    case DHS_PIC_V2: return QStringLiteral("PICv2");
    case DHS_SKAD: return QObject::tr("Скад");
    case DHS_SKAN: return QObject::tr("Скан");
    case DHS_TRIOL: return QObject::tr("Триол");
    case DHS_ZENITH: return QStringLiteral("Zenith");
    case DHS_SNG: return QObject::tr("СНГ");
    case DHS_BORETS_2: return QObject::tr("Борец СПТ") + QStringLiteral("-2");
    case DHS_RN_TRANSFER: return QStringLiteral("РН-Transfer");
    case DHS_VOROZO: return QObject::tr("VOROZO");
    case DHS_BAKER_HUGHES: return QStringLiteral("Baker Huges");
    case DHS_SPY_PRO_11: return QStringLiteral("SPY PRO 11");
    case DHS_RIDURI_06: return QObject::tr("Riduri") + QStringLiteral("-06");
    case DHS_GRS: return QStringLiteral("GRS");
    case DHS_OXFORD: return QStringLiteral("Oxford");
    case DHS_ZENITH_2_48: return QStringLiteral("Zenith 2.48");
    case DHS_ACE: return QStringLiteral("Ace");
    case DHS_PIC_V3: return QStringLiteral("PICv3");
    default: return QString::number(static_cast<int>(type), 10);
    }
}

QString Common::getTextDhsInterface(unsigned short code)
{
    switch (code) {
    case 0: return QStringLiteral("RS-485");
    case 1: return QStringLiteral("RS-232");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextLanguage(unsigned short code)
{
    switch (code) {
    case 0: return QStringLiteral("Русский");
    case 1: return QStringLiteral("English");
    case 2: return QStringLiteral("Español");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextScadaType(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Откл");
    case 1: return QObject::tr("Тарвеск");
    case 2: return QObject::tr("Регион 3.0");
    case 3: return QObject::tr("Регион 2000");
    case 4: return QObject::tr("ЮНГ-Универсал");
    case 5: return QObject::tr("VOROZO-ЗС");
    case 6: return QObject::tr("Каракудукмунай");
    case 7: return QObject::tr("Сургутнефтегаз");
    case 8: return QObject::tr("ZA-ZER");
    case 9: return QStringLiteral("BP-Iraq");
    case 10: return QObject::tr("Газпром-Хантос");
    case 11: return QStringLiteral("ZAZ");
    case 12: return QObject::tr("Универсал 3");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextScadaParity(unsigned short code)
{
    switch (code) {
    case 0: return QStringLiteral("None");
    case 1: return QStringLiteral("Odd");
    case 2: return QStringLiteral("Even");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextOilCompany(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("По умолчанию");
    case 1: return QObject::tr("ZA-ZER");
    case 2: return QObject::tr("Verodedo");
    case 3: return QObject::tr("BP");
    case 4: return QObject::tr("Vuvarururerave");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextActionUsbConnect(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Откл");
    case 1: return QObject::tr("Отображение запроса");
    case 2: return QObject::tr("Копирование архивов");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextMenuTechnolog(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Откл");
    case 1: return QObject::tr("Карусель");
    case 2: return QObject::tr("Основное");
    case 3: return QObject::tr("Единственное");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextConfiguration(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Основной");
    case 1: return QObject::tr("Профиль 1");
    case 2: return QObject::tr("Профиль 2");
    case 3: return QObject::tr("Профиль 3");
    case 4: return QObject::tr("Профиль 4");
    case 5: return QObject::tr("Профиль 5");
    case 6: return QObject::tr("Verodedo");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextCalibType(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Коэффициент");
    case 1: return QObject::tr("Значение");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextTypeAI(unsigned short code)
{
    switch (code) {
    case 1: return QObject::tr("4 - 20 мА");
    case 2: return QObject::tr("0 - 4 В");
    default: return QObject::tr("0 - 10 В");
    }
}

QString Common::getTextAiParameter(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Не выбран");
    case 1: return QObject::tr("Давление");
    case 2: return QObject::tr("Температура");
    case 3: return QObject::tr("Виброускорение");
    case 4: return QObject::tr("Виброскорость");
    case 5: return QObject::tr("Сопротивление изоляции");
    case 6: return QObject::tr("Расход");
    case 7: return QObject::tr("Частота");
    case 8: return QObject::tr("Ток");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextAiAxisZeroShift(int code)
{
    switch (code) {
    case -1: return QObject::tr("Минус");
    case 1: return QObject::tr("Плюс");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextAiAlarmType(int code)
{
    switch (code) {
    case 0: return QObject::tr("min");
    default: return QObject::tr("max");
    }
}

QString Common::getTextPinType(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Pmin");
    default: return QObject::tr("Pmax критическое");
    }
}

QString Common::getTextDiType(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Замыкание");
    case 1: return QObject::tr("Размыкание");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextDiParameter(unsigned short code)
{
    switch (code) {
    case 0: return QString();
    case 1: return QObject::tr("Контактный манометр");
    case 2: return QObject::tr("Авария реле контроля фаз");
    case 3: return QObject::tr("Разрешение на запуск");
    case 4: return QObject::tr("Аварийное отключение");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextDiAction(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Нет");
    case 1: return QObject::tr("Стоп");
    case 2: return QObject::tr("Пуск");
    case 3: return QObject::tr("Реверс");
    case 4: return QObject::tr("Защита");
    case 5: return QObject::tr("Кнопка оператора");
    case 6: return QObject::tr("Предупреждение");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextRoAction(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Нет");
    case 1: return QObject::tr("Стоп");
    case 2: return QObject::tr("Работа");
    case 3: return QObject::tr("АПВ");
    case 4: return QObject::tr("Блок");
    case 5: return QObject::tr("Tемпер. igbt 1");
    case 6: return QObject::tr("Входной фильтр");
    case 7: return QObject::tr("СУ готова к запуску");
    case 8: return QObject::tr("Авария СУ");
    case 9: return QObject::tr("Удалённое управление");
    case 10: return QObject::tr("Ручной/Авто");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextTypeAO(unsigned short code)
{
    switch (code) {
    case 1: return QObject::tr("0 - 10 В");
    case 2: return QObject::tr("4 - 20 мА");
    default: return QObject::tr("Откл");
    }
}

QString Common::getTextParamAO(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Не выбран");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextMaintenanceModeParamType(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Ток");
    case 1: return QObject::tr("Давление");
    case 2: return QObject::tr("Температура");
    case 3: return QObject::tr("Ан. вх. 1");
    case 4: return QObject::tr("Ан. вх. 2");
    case 5: return QObject::tr("Ан. вх. 3");
    case 6: return QObject::tr("Ан. вх. 4");
    case 7: return QObject::tr("Загрузка");
    case 8: return QObject::tr("Мощность");
    case 9: return QObject::tr("Расход");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextMaintenanceModeParamDepend(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Прямая");
    case 1: return QObject::tr("Обратная");
    default: return QString::number(code, 10);
    }
}

QString Common::getTextMaintenanceModeParamTypeControl(unsigned short code)
{
    switch (code) {
    case 0: return QObject::tr("Поддержание");
    case 1: return QObject::tr("Следование");
    default: return QString::number(code, 10);
    }
}

// --- texts built by rule ---------------------------------------------------------

QString Common::getTextBacklight(unsigned short level)
{
    return QString::number(10 * static_cast<int>(level), 10);
}

QString Common::getTextTimeZone(int offset)
{
    // Whole hours only: the minutes of a half-hour zone are dropped.
    if (offset >= 0)
        return QStringLiteral("UTC+%1:00").arg(offset / 3600, 2, 10, QLatin1Char('0'));
    return QStringLiteral("UTC-%1:00").arg(offset / -3600, 2, 10, QLatin1Char('0'));
}

namespace {

struct MenuTag
{
    unsigned short firstId;
    unsigned short lastId;
    const char* tag;
};

// The group a parameter of the technologist's menu belongs to, where the
// short name alone would be ambiguous.
constexpr MenuTag menuTags[] = {
    {2, 5, QT_TRANSLATE_NOOP("QObject", "ДВИГ")},
    {8, 8, QT_TRANSLATE_NOOP("QObject", "ДВИГ")},
    {9, 9, QT_TRANSLATE_NOOP("QObject", "ДВИГ")},
    {716, 719, QT_TRANSLATE_NOOP("QObject", "ДВИГ")},
    {1159, 1162, QT_TRANSLATE_NOOP("QObject", "ДВИГ")},
    {1171, 1171, QT_TRANSLATE_NOOP("QObject", "ДВИГ")},
    {16, 16, QT_TRANSLATE_NOOP("QObject", "ВХОД")},
    {17, 17, QT_TRANSLATE_NOOP("QObject", "ВХОД")},
    {706, 711, QT_TRANSLATE_NOOP("QObject", "ВХОД")},
    {857, 859, QT_TRANSLATE_NOOP("QObject", "ВХОД")},
    {20007, 20007, QT_TRANSLATE_NOOP("QObject", "ВХОД")},
    {20009, 20009, QT_TRANSLATE_NOOP("QObject", "ВХОД")},
    {632, 632, QT_TRANSLATE_NOOP("QObject", "ТМПН")},
    {1152, 1158, QT_TRANSLATE_NOOP("QObject", "ТМПН")},
    {1167, 1170, QT_TRANSLATE_NOOP("QObject", "ТМПН")},
    {1144, 1151, QT_TRANSLATE_NOOP("QObject", "СУ")},
    {1163, 1166, QT_TRANSLATE_NOOP("QObject", "СУ")},
    {10004, 10004, QT_TRANSLATE_NOOP("QObject", "ЧРП")},
    {10008, 10010, QT_TRANSLATE_NOOP("QObject", "ЧРП")},
    {10013, 10013, QT_TRANSLATE_NOOP("QObject", "ЧРП")},
    {10014, 10014, QT_TRANSLATE_NOOP("QObject", "ЧРП")},
    {10514, 10514, QT_TRANSLATE_NOOP("QObject", "ЧРП")},
};

} // namespace

QString Common::getTextParamMenuTechnolog(unsigned short id)
{
    QString text = getTextFromId(id);
    for (const MenuTag& group : menuTags) {
        if (id >= group.firstId && id <= group.lastId) {
            text += QLatin1Char(' ') + QCoreApplication::translate("QObject", group.tag);
            break;
        }
    }
    return text;
}
