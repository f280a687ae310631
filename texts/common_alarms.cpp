#include "common.h"

#include <QCoreApplication>
#include <QObject>
#include <algorithm>
#include <iterator>

namespace {

// A drive code and its text; the suffix, where there is one, is the drive's
// own alarm or warning number and reads the same in every language.
struct DriveText
{
    int code;
    const char* text;
    const char* suffix;
};

// Alarms of the drive. Group 2 ends its texts with the drive's own alarm
// number; the letter before it is Latin in some codes and Cyrillic in the
// others, exactly as the translations are keyed.
constexpr DriveText vsdAlarms[] = {
    // group 1
    {1001, QT_TRANSLATE_NOOP("QObject", "Неизвестная ошибка"), nullptr},
    {1002, QT_TRANSLATE_NOOP("QObject", "Инвертор остановлен по изменению важного параметра"), nullptr},
    {1003, QT_TRANSLATE_NOOP("QObject", "Инвертор остановлен по команде извне"), nullptr},
    {1005, QT_TRANSLATE_NOOP("QObject", "Остановлен по причине FAULT"), nullptr},
    {1007, QT_TRANSLATE_NOOP("QObject", "Токоограничение"), nullptr},
    {1008, QT_TRANSLATE_NOOP("QObject", "Недостаточно напряжения"), nullptr},
    {1009, QT_TRANSLATE_NOOP("QObject", "Остановлен аварийно"), nullptr},
    {1010, QT_TRANSLATE_NOOP("QObject", "Низкое напряжение шины"), nullptr},
    {1011, QT_TRANSLATE_NOOP("QObject", "Высокое напряжение шины"), nullptr},
    {1014, QT_TRANSLATE_NOOP("QObject", "Защита выпрямителя"), nullptr},
    {1015, QT_TRANSLATE_NOOP("QObject", "Нет заряда шины"), nullptr},
    {1016, QT_TRANSLATE_NOOP("QObject", "Перегруз инвертора"), nullptr},
    {1017, QT_TRANSLATE_NOOP("QObject", "Ошибка автонастройки при старте"), nullptr},
    {1018, QT_TRANSLATE_NOOP("QObject", "Превышение порога мгновенного токоограничения"), nullptr},
    {1022, QT_TRANSLATE_NOOP("QObject", "Ошибка чтения ФЛЕШ"), nullptr},
    {1023, QT_TRANSLATE_NOOP("QObject", "Ошибка записи ФЛЕШ"), nullptr},
    {1026, QT_TRANSLATE_NOOP("QObject", "Ошибка режима разряда шины"), nullptr},
    {1027, QT_TRANSLATE_NOOP("QObject", "Ошибка векторного режима"), nullptr},
    {1028, QT_TRANSLATE_NOOP("QObject", "Предел тока двигателя"), nullptr},
    {1029, QT_TRANSLATE_NOOP("QObject", "Перегруз двигателя"), nullptr},
    {1030, QT_TRANSLATE_NOOP("QObject", "Длительное токоограничение"), nullptr},
    {1031, QT_TRANSLATE_NOOP("QObject", "Ошибка диапазона уставок ФЛЕШ"), nullptr},
    {1066, QT_TRANSLATE_NOOP("QObject", "Ошибка синхронизации с сетью"), nullptr},
    {1071, QT_TRANSLATE_NOOP("QObject", "Ошибка по КЗ на инверторе"), nullptr},
    {1096, QT_TRANSLATE_NOOP("QObject", "Предел тока инвертора"), nullptr},
    {1097, QT_TRANSLATE_NOOP("QObject", "Ток утечки инвертора"), nullptr},
    {1098, QT_TRANSLATE_NOOP("QObject", "Защита параллельных ветвей инвертора"), nullptr},
    {1099, QT_TRANSLATE_NOOP("QObject", "Ошибка монитора питания контроллера"), nullptr},
    {1100, QT_TRANSLATE_NOOP("QObject", "Ошибка монитора питания часов контроллера"), nullptr},
    {1101, QT_TRANSLATE_NOOP("QObject", "Ошибка монитора платы измерений"), nullptr},
    {1102, QT_TRANSLATE_NOOP("QObject", "Защита драйвера 0"), nullptr},
    {1103, QT_TRANSLATE_NOOP("QObject", "Защита драйвера 1"), nullptr},
    {1104, QT_TRANSLATE_NOOP("QObject", "Защита драйвера 2"), nullptr},
    {1105, QT_TRANSLATE_NOOP("QObject", "Включен тестовый режим контроллера ПЧ"), nullptr},
    {1106, QT_TRANSLATE_NOOP("QObject", "Ошибка связи с термодатчиками"), nullptr},
    {1107, QT_TRANSLATE_NOOP("QObject", "Тепловая защита радиаторов"), nullptr},
    {1108, QT_TRANSLATE_NOOP("QObject", "Тепловая защита по воздуху"), nullptr},
    {1109, QT_TRANSLATE_NOOP("QObject", "Аварийная кнопка"), nullptr},
    {1110, QT_TRANSLATE_NOOP("QObject", "Тепловая защита тиристоров"), nullptr},
    {1111, QT_TRANSLATE_NOOP("QObject", "Перегрев выходного фильтра"), nullptr},
    // group 2
    {2000, QT_TRANSLATE_NOOP("QObject", "Проверка тормоза A28"), nullptr},
    {2001, QT_TRANSLATE_NOOP("QObject", "Температура радиатора A29"), nullptr},
    {2002, QT_TRANSLATE_NOOP("QObject", "Пробой на землю A14"), nullptr},
    {2003, QT_TRANSLATE_NOOP("QObject", "Темп. платы управления А65"), nullptr},
    {2004, QT_TRANSLATE_NOOP("QObject", "Упр. слово ТО А17"), nullptr},
    {2005, QT_TRANSLATE_NOOP("QObject", "Превыш тока А13"), nullptr},
    {2006, QT_TRANSLATE_NOOP("QObject", "Предел момента A12"), nullptr},
    {2007, QT_TRANSLATE_NOOP("QObject", "Перегрев термист. двигателя А11"), nullptr},
    {2008, QT_TRANSLATE_NOOP("QObject", "Превышение ETR двигателя А10"), nullptr},
    {2009, QT_TRANSLATE_NOOP("QObject", "Перегрузка инвертера"), " А9"},
    {2010, QT_TRANSLATE_NOOP("QObject", "Пониж. напряжение пост. тока А8"), nullptr},
    {2011, QT_TRANSLATE_NOOP("QObject", "Повыш. напряжение пост. тока А7"), nullptr},
    {2012, QT_TRANSLATE_NOOP("QObject", "Короткое замыкание А16"), nullptr},
    {2013, QT_TRANSLATE_NOOP("QObject", "Отказ из-за броска тока А33"), nullptr},
    {2014, QT_TRANSLATE_NOOP("QObject", "Обрыв фазы питания А4"), nullptr},
    {2015, QT_TRANSLATE_NOOP("QObject", "Сбой ААД"), nullptr},
    {2016, QT_TRANSLATE_NOOP("QObject", "Ошибка действующего нуля А2"), nullptr},
    {2017, QT_TRANSLATE_NOOP("QObject", "Внутренний отказ А38"), nullptr},
    {2018, QT_TRANSLATE_NOOP("QObject", "Перегрузка тормоза А26"), nullptr},
    {2019, QT_TRANSLATE_NOOP("QObject", "Обрыв фазы U A30"), nullptr},
    {2020, QT_TRANSLATE_NOOP("QObject", "Обрыв фазы V A31"), nullptr},
    {2021, QT_TRANSLATE_NOOP("QObject", "Обрыв фазы W A32"), nullptr},
    {2022, QT_TRANSLATE_NOOP("QObject", "Отказ Fieldbus А34"), nullptr},
    {2023, QT_TRANSLATE_NOOP("QObject", "Низкое напряжение питания 24В А47"), nullptr},
    {2024, QT_TRANSLATE_NOOP("QObject", "Отказ питания А36"), nullptr},
    {2025, QT_TRANSLATE_NOOP("QObject", "Низкое напряжение питания 1,8В А48"), nullptr},
    {2026, QT_TRANSLATE_NOOP("QObject", "Тормозной резистор А25"), nullptr},
    {2027, QT_TRANSLATE_NOOP("QObject", "Тормозной IGBT А27"), nullptr},
    {2028, QT_TRANSLATE_NOOP("QObject", "Смена доп.устройства А67"), nullptr},
    {2029, QT_TRANSLATE_NOOP("QObject", "Провод иниц. А80"), nullptr},
    {2030, QT_TRANSLATE_NOOP("QObject", "Аварийная кнопка"), nullptr},
    {2031, QT_TRANSLATE_NOOP("QObject", "Мала эффективность механич. тормоза А63"), nullptr},
    {2032, QT_TRANSLATE_NOOP("QObject", "Сервисная защита"), nullptr},
    {2041, QT_TRANSLATE_NOOP("QObject", "Высокая температура разряда"), nullptr},
    {2042, QT_TRANSLATE_NOOP("QObject", "Ошибка пуска"), nullptr},
    {2043, QT_TRANSLATE_NOOP("QObject", "Предел скорости"), nullptr},
    {2044, QT_TRANSLATE_NOOP("QObject", "Внешняя блокировка"), nullptr},
    {2045, QT_TRANSLATE_NOOP("QObject", "Недопустимое сочетание дополнительных устройств"), nullptr},
    {2046, QT_TRANSLATE_NOOP("QObject", "Дополнительное защитное устройство отсутствует"), nullptr},
    {2049, QT_TRANSLATE_NOOP("QObject", "Ошибка KTY"), nullptr},
    {2050, QT_TRANSLATE_NOOP("QObject", "Ошибка вентиляторов"), nullptr},
    {2051, QT_TRANSLATE_NOOP("QObject", "Ошибка ECB"), nullptr},
    {2057, QT_TRANSLATE_NOOP("QObject", "Предел по току А59"), nullptr},
    {2061, QT_TRANSLATE_NOOP("QObject", "Отказ энкодера A90"), nullptr},
    {2062, QT_TRANSLATE_NOOP("QObject", "Термистор PTC А74"), nullptr},
    {2063, QT_TRANSLATE_NOOP("QObject", "Опасный отказ"), nullptr},
    {2998, QT_TRANSLATE_NOOP("QObject", "Нажмите Auto On"), nullptr},
    {2999, QT_TRANSLATE_NOOP("QObject", "Ошибка слежения"), nullptr},
    // group 3
    {3001, QT_TRANSLATE_NOOP("QObject", "Недогруз"), nullptr},
    {3002, QT_TRANSLATE_NOOP("QObject", "Рассинхронизация ВД"), nullptr},
    {3003, QT_TRANSLATE_NOOP("QObject", "Низкое Rиз"), nullptr},
    {3004, QT_TRANSLATE_NOOP("QObject", "Низкое напряжение"), nullptr},
    {3005, QT_TRANSLATE_NOOP("QObject", "Высокое напряжение"), nullptr},
    {3006, QT_TRANSLATE_NOOP("QObject", "Высокое U сил. Цепи"), nullptr},
    {3007, QT_TRANSLATE_NOOP("QObject", "Низкое U сил. цепи"), nullptr},
    {3008, QT_TRANSLATE_NOOP("QObject", "Потеря связи с ВРХ"), nullptr},
    {3009, QT_TRANSLATE_NOOP("QObject", "Перегрев IGBT"), nullptr},
    {3010, QT_TRANSLATE_NOOP("QObject", "Перегрев фильтра"), nullptr},
    {3011, QT_TRANSLATE_NOOP("QObject", "Защита ЧРП"), nullptr},
    {3012, QT_TRANSLATE_NOOP("QObject", "Питание драйверов"), nullptr},
    {3013, QT_TRANSLATE_NOOP("QObject", "Конт манометр"), nullptr},
    {3014, QT_TRANSLATE_NOOP("QObject", "Доп. аналог вход 0"), nullptr},
    {3015, QT_TRANSLATE_NOOP("QObject", "Чередование фаз"), nullptr},
    {3016, QT_TRANSLATE_NOOP("QObject", "Выс. Температура"), nullptr},
    {3017, QT_TRANSLATE_NOOP("QObject", "Выс. Вибрация"), nullptr},
    {3018, QT_TRANSLATE_NOOP("QObject", "Низ. Давление"), nullptr},
    {3019, QT_TRANSLATE_NOOP("QObject", "Авария контактора вых. ЧР"), nullptr},
    {3020, QT_TRANSLATE_NOOP("QObject", "Авария контактора Пр.пуска"), nullptr},
    {3021, QT_TRANSLATE_NOOP("QObject", "Дисбаланс токов"), nullptr},
    {3022, QT_TRANSLATE_NOOP("QObject", "Дисбаланс напряж."), nullptr},
    {3023, QT_TRANSLATE_NOOP("QObject", "Турбинное вращение"), nullptr},
    {3024, QT_TRANSLATE_NOOP("QObject", "Прочие ошибки 24"), nullptr},
    {3025, QT_TRANSLATE_NOOP("QObject", "Авария питания"), nullptr},
    {3026, QT_TRANSLATE_NOOP("QObject", "Открыта дверь"), nullptr},
    {3027, QT_TRANSLATE_NOOP("QObject", "Пропало питание"), nullptr},
    {3028, QT_TRANSLATE_NOOP("QObject", "Нет заряда конденс."), nullptr},
    {3029, QT_TRANSLATE_NOOP("QObject", "Авария тиристоров"), nullptr},
    {3030, QT_TRANSLATE_NOOP("QObject", "Токоограничение"), nullptr},
    {3031, QT_TRANSLATE_NOOP("QObject", "Автомат фильтра"), nullptr},
    {3032, QT_TRANSLATE_NOOP("QObject", "По подхвату"), nullptr},
    {3033, QT_TRANSLATE_NOOP("QObject", "Авто останов"), nullptr},
    {3034, QT_TRANSLATE_NOOP("QObject", "Ручной останов"), nullptr},
    {3035, QT_TRANSLATE_NOOP("QObject", "Внешний останов"), nullptr},
    {3036, QT_TRANSLATE_NOOP("QObject", "Автоматич. пуск"), nullptr},
    {3037, QT_TRANSLATE_NOOP("QObject", "Ручной пуск"), nullptr},
    {3038, QT_TRANSLATE_NOOP("QObject", "Внешний пуск"), nullptr},
    {3039, QT_TRANSLATE_NOOP("QObject", "По количеству АПВ"), nullptr},
    {3040, QT_TRANSLATE_NOOP("QObject", "Ошибка ОЗУ"), nullptr},
    {3041, QT_TRANSLATE_NOOP("QObject", "Отключен"), nullptr},
    {3042, QT_TRANSLATE_NOOP("QObject", "Отказ дискр. вх."), nullptr},
    {3043, QT_TRANSLATE_NOOP("QObject", "Отказ АЦП"), nullptr},
    {3044, QT_TRANSLATE_NOOP("QObject", "Аналог. Питание"), nullptr},
    {3045, QT_TRANSLATE_NOOP("QObject", "Питание датчиков"), nullptr},
    {3046, QT_TRANSLATE_NOOP("QObject", "Ошибка EEPROM"), nullptr},
    {3047, QT_TRANSLATE_NOOP("QObject", "ПЧ не готов"), nullptr},
    {3048, QT_TRANSLATE_NOOP("QObject", "Сбой уставок"), nullptr},
    {3049, QT_TRANSLATE_NOOP("QObject", "Блокировка пуска"), nullptr},
    {3050, QT_TRANSLATE_NOOP("QObject", "Аварийная кнопка"), nullptr},
    {3051, QT_TRANSLATE_NOOP("QObject", "Силовой предохранитель"), nullptr},
    {3052, QT_TRANSLATE_NOOP("QObject", "Отключен силовой автомат"), nullptr},
    {3053, QT_TRANSLATE_NOOP("QObject", "Дисбаланс токов выпрямителей"), nullptr},
    {3054, QT_TRANSLATE_NOOP("QObject", "Перегрев фильтра"), " EMS"},
    {3056, QT_TRANSLATE_NOOP("QObject", "Перегрев трансформатора питания вентиляторов"), nullptr},
    {3057, QT_TRANSLATE_NOOP("QObject", "Авария питания вентиляторов"), nullptr},
};

// Warnings of the drive; group 2 ends with the drive's warning number.
constexpr DriveText vsdWarnings[] = {
    // group 1
    {1007, QT_TRANSLATE_NOOP("QObject", "Токоограничение"), nullptr},
    {1008, QT_TRANSLATE_NOOP("QObject", "Недостаточно напряжения"), nullptr},
    {1022, QT_TRANSLATE_NOOP("QObject", "Ошибка чтения ФЛЕШ"), nullptr},
    {1023, QT_TRANSLATE_NOOP("QObject", "Ошибка записи ФЛЕШ"), nullptr},
    {1031, QT_TRANSLATE_NOOP("QObject", "Ошибка диапазона уставок ФЛЕШ"), nullptr},
    {1100, QT_TRANSLATE_NOOP("QObject", "Ошибка часов контроллера"), nullptr},
    {1105, QT_TRANSLATE_NOOP("QObject", "Тестовый режим"), nullptr},
    {1106, QT_TRANSLATE_NOOP("QObject", "Ошибка связи с термодатчиками"), nullptr},
    {1107, QT_TRANSLATE_NOOP("QObject", "Тепловая защита радиаторов"), nullptr},
    {1108, QT_TRANSLATE_NOOP("QObject", "Тепловая защита по воздуху"), nullptr},
    // group 2
    {2000, QT_TRANSLATE_NOOP("QObject", "Проверка тормоза W28"), nullptr},
    {2001, QT_TRANSLATE_NOOP("QObject", "Температура радиатора W29"), nullptr},
    {2002, QT_TRANSLATE_NOOP("QObject", "Пробой на землю W14"), nullptr},
    {2003, QT_TRANSLATE_NOOP("QObject", "Темп. платы управления W65"), nullptr},
    {2004, QT_TRANSLATE_NOOP("QObject", "Упр. слово ТО W17"), nullptr},
    {2005, QT_TRANSLATE_NOOP("QObject", "Превыш тока W13"), nullptr},
    {2006, QT_TRANSLATE_NOOP("QObject", "Предел момента W12"), nullptr},
    {2007, QT_TRANSLATE_NOOP("QObject", "Перегрев термист. двигателя W11"), nullptr},
    {2008, QT_TRANSLATE_NOOP("QObject", "Превышение ETR двигателя W10"), nullptr},
    {2009, QT_TRANSLATE_NOOP("QObject", "Перегрузка инвертера"), " W9"},
    {2010, QT_TRANSLATE_NOOP("QObject", "Пониж. напряжение пост. тока W8"), nullptr},
    {2011, QT_TRANSLATE_NOOP("QObject", "Повыш. напряжение пост. тока W7"), nullptr},
    {2012, QT_TRANSLATE_NOOP("QObject", "Пониж. напряжение пост. тока W6"), nullptr},
    {2013, QT_TRANSLATE_NOOP("QObject", "Повыш. напряжение пост. тока W5"), nullptr},
    {2014, QT_TRANSLATE_NOOP("QObject", "Обрыв фазы питания W4"), nullptr},
    {2015, QT_TRANSLATE_NOOP("QObject", "Нет двигателя W3"), nullptr},
    {2016, QT_TRANSLATE_NOOP("QObject", "Ошибка действующего нуля W2"), nullptr},
    {2017, QT_TRANSLATE_NOOP("QObject", "Низкое напряжение источника 10В W1"), nullptr},
    {2018, QT_TRANSLATE_NOOP("QObject", "Перегрузка тормоза W26"), nullptr},
    {2019, QT_TRANSLATE_NOOP("QObject", "Тормозной резистор W25"), nullptr},
    {2020, QT_TRANSLATE_NOOP("QObject", "Тормозной IGBT W27"), nullptr},
    {2021, QT_TRANSLATE_NOOP("QObject", "Предел скорости W49"), nullptr},
    {2022, QT_TRANSLATE_NOOP("QObject", "Отказ Fieldbus W34"), nullptr},
    {2023, QT_TRANSLATE_NOOP("QObject", "Низкое напряжение питания 24В W47"), nullptr},
    {2024, QT_TRANSLATE_NOOP("QObject", "Отказ питания W36"), nullptr},
    {2025, QT_TRANSLATE_NOOP("QObject", "Предел по току W59"), nullptr},
    {2026, QT_TRANSLATE_NOOP("QObject", "Низкая температура W66"), nullptr},
    {2027, QT_TRANSLATE_NOOP("QObject", "Предел по напряжению W64"), nullptr},
    {2028, QT_TRANSLATE_NOOP("QObject", "Отказ энкодера W90"), nullptr},
    {2029, QT_TRANSLATE_NOOP("QObject", "Пр вых. част W62"), nullptr},
    {2030, QT_TRANSLATE_NOOP("QObject", "Безоп. останов W68"), nullptr},
    {2031, QT_TRANSLATE_NOOP("QObject", "Расширенное слово состояния"), nullptr},
    // group 3
    {3014, QT_TRANSLATE_NOOP("QObject", "Токоограничение"), nullptr},
    {3017, QT_TRANSLATE_NOOP("QObject", "Снижение частоты"), nullptr},
};

struct ErrorText
{
    int code;
    const char* text;
};

// Errors of the controller's own long operations (USB copy, firmware and
// configuration files, archives, drive configuration, special algorithms).
constexpr ErrorText slaveErrors[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "Не подключен USB накопитель!")},
    {2, QT_TRANSLATE_NOOP("QObject", "Ошибка записи файла!")},
    {3, QT_TRANSLATE_NOOP("QObject", "Ошибка закрытия файла!")},
    {4, QT_TRANSLATE_NOOP("QObject", "Ошибка создания каталога!")},
    {5, QT_TRANSLATE_NOOP("QObject", "Ошибка открытия файла!")},
    {6, QT_TRANSLATE_NOOP("QObject", "Ошибка открытия каталога!")},
    {7, QT_TRANSLATE_NOOP("QObject", "Файл прошивки не найден!")},
    {8, QT_TRANSLATE_NOOP("QObject", "Ошибка CRC файла прошивки!")},
    {9, QT_TRANSLATE_NOOP("QObject", "Ошибка в заголовке файла прошивки!")},
    {10, QT_TRANSLATE_NOOP("QObject", "Ошибка сохранения файла прошивки GUI!")},
    {11, QT_TRANSLATE_NOOP("QObject", "Тайм-аут сохранения файла прошивки GUI!")},
    {12, QT_TRANSLATE_NOOP("QObject", "Ошибка инициализации архиватора MiniLZO!")},
    {13, QT_TRANSLATE_NOOP("QObject", "Ошибка архиватора MiniLZO!")},
    {14, QT_TRANSLATE_NOOP("QObject", "Ошибка конфигурирования ЧРП!")},
    {15, QT_TRANSLATE_NOOP("QObject", "Напряжение отпайки не соответсвует рекомендуемой\n Проверьте параметры")},
    {16, QT_TRANSLATE_NOOP("QObject", "Файл конфигурации не найден")},
    {17, QT_TRANSLATE_NOOP("QObject", "Найдено несколько файлов конфигурации!\nДолжен быть только один файл")},
    {18, QT_TRANSLATE_NOOP("QObject", "Ошибка в заголовке файла конфигурации")},
    {19, QT_TRANSLATE_NOOP("QObject", "Ошибка CRC файла конфигурации")},
    {20, QT_TRANSLATE_NOOP("QObject", "Ошибка сжатия архива")},
    {21, QT_TRANSLATE_NOOP("QObject", "Превышена предельная пусковая частота! \nСнизьте пусковой момент")},
    {22, QT_TRANSLATE_NOOP("QObject", "Ошибка включения спецалгоримтов\n Проверьте дату запуска УЭЦН")},
    {23, QT_TRANSLATE_NOOP("QObject", "Снижение сопротивления изоляции\n Спецалгоритмы выключены")},
    {24, QT_TRANSLATE_NOOP("QObject", "Ошибка расчета рекомендуемой отпайки\n Проверьте параметры")},
    {25, QT_TRANSLATE_NOOP("QObject", "Проведите автонастройку")},
    {26, QT_TRANSLATE_NOOP("QObject", "Рекомендованное напряжение отпайки пересчитано\n Проверьте напряжение отпайки")},
};

template <std::size_t N>
constexpr bool ascending(const DriveText (&table)[N])
{
    for (std::size_t i = 1; i < N; ++i)
        if (table[i - 1].code >= table[i].code)
            return false;
    return true;
}

static_assert(std::size(vsdAlarms) == 144, "drive alarms");
static_assert(std::size(vsdWarnings) == 44, "drive warnings");
static_assert(std::size(slaveErrors) == 26, "controller errors");
static_assert(ascending(vsdAlarms) && ascending(vsdWarnings), "look-ups halve the tables");

template <std::size_t N>
QString driveText(const DriveText (&table)[N], int code, bool number)
{
    const auto end = std::end(table);
    const auto it = std::lower_bound(std::begin(table), end, code,
                                     [](const DriveText& entry, int key) { return entry.code < key; });
    if (it == end || it->code != code)
        return number ? QString::number(code, 10) : QString();
    QString text = QCoreApplication::translate("QObject", it->text);
    if (it->suffix)
        text += QString::fromUtf8(it->suffix);
    return text;
}

bool within(float value, float low, float high)
{
    return value >= low && value < high;
}

} // namespace

QString Common::getTextVsdAlarm(int code, bool number)
{
    return driveText(vsdAlarms, code, number);
}

QString Common::getTextVsdWarning(int code, bool number)
{
    return driveText(vsdWarnings, code, number);
}

QString Common::getTextErrorSlave(int code)
{
    for (const ErrorText& error : slaveErrors) {
        if (error.code == code)
            return QCoreApplication::translate("QObject", error.text);
    }
    return QObject::tr("Ошибка!");
}

QString Common::getTextRgmRunSpecRN(float first, float second, float third)
{
    // Exact float equalities: a NaN matches no rule and falls to the plain name.
    if ((second == 1.0f && third == 0.0f) || within(second, 100, 120) || within(second, 200, 220))
        return QObject::tr("Спец РН подхват");
    if ((first == 20.0f && third == 0.0f) || within(second, 120, 140) || within(second, 220, 240))
        return QObject::tr("Спец РН плавный");
    if ((first == 40.0f && third == 0.0f) || within(second, 140, 160) || within(second, 240, 260))
        return QObject::tr("Спец РН толчки");
    if ((first == 60.0f && third == 0.0f) || within(second, 160, 180) || within(second, 260, 280))
        return QObject::tr("Спец РН раскачка");
    return QObject::tr("Спец РН");
}
