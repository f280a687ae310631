#include "unit_texts.h"

#include <QObject>

namespace {
const QChar Degree(0x00B0);
}

QString UnitTexts::getTextUnitOfQuantity(int quantity, unsigned char unit)
{
    switch (quantity) {
    case 0: return getTextUnitNumeric(unit);
    case 1: return getTextUnitDateTime(unit);
    case 2: return getTextUnitTime(unit);
    case 3: return getTextUnitPercent(unit);
    case 4: return getTextUnitLenght(unit);
    case 5: return getTextUnitDensity(unit);
    case 6: return getTextUnitSpace(unit);
    case 7: return getTextUnitFreq(unit);
    case 8: return getTextUnitVoltage(unit);
    case 9: return getTextUnitCurrent(unit);
    case 10: return getTextUnitActivePower(unit);
    case 11: return getTextUnitFullPower(unit);
    case 12: return getTextUnitReactivePower(unit);
    case 13: return getTextUnitAnglePower(unit);
    case 14: return getTextUnitRPM(unit);
    case 15: return getTextUnitTemp(unit);
    case 16: return getTextUnitResistance(unit);
    case 17: return getTextUnitResistCable(unit);
    case 18: return getTextUnitPressure(unit);
    case 19: return getTextUnitTemperature(unit);
    case 20: return getTextUnitAcceleration(unit);
    case 21: return getTextUnitSpeed(unit);
    case 22: return getTextUnitViscosity(unit);
    case 23: return getTextUnitFlow(unit);
    case 24: return getTextUnitPower(unit);
    case 25: return getTextUnitActiveEnergy(unit);
    case 26: return getTextUnitReactiveEnergy(unit);
    case 27: return getTextUnitFullEnergy(unit);
    case 28: return getTextUnitRate(unit);
    case 29: return getTextUnitIndunc(unit);
    case 30: return getTextUnitCapacity(unit);
    case 31: return getTextUnitEmfSpecific(unit);
    case 32: return getTextUnitPowerMotor(unit);
    default: return QString();
    }
}

QString UnitTexts::getTextUnitNumeric(unsigned char unit)
{
    Q_UNUSED(unit);
    return QString();
}

QString UnitTexts::getTextUnitDateTime(unsigned char unit)
{
    switch (unit) {
    case 0: return QObject::tr("с");
    case 1: return QObject::tr("гггг.мм.дд чч:мм:сс");
    case 2: return QObject::tr("гг.мм.дд");
    default: return QString();
    }
}

QString UnitTexts::getTextUnitTime(unsigned char unit)
{
    switch (unit) {
    case 0: return QObject::tr("с");
    case 1: return QObject::tr("мкс");
    case 2: return QObject::tr("мс");
    case 3: return QObject::tr("сс:мс");
    case 4: return QObject::tr("мин");
    case 5: return QObject::tr("мм:сс");
    case 6: return QObject::tr("ч");
    case 7: return QObject::tr("чч:мм");
    case 8: return QObject::tr("чч:мм:сс");
    default: return QString();
    }
}

QString UnitTexts::getTextUnitPercent(unsigned char unit)
{
    Q_UNUSED(unit);
    return QStringLiteral("%");
}

QString UnitTexts::getTextUnitLenght(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("мл");
    case 2: return QObject::tr("фут");
    default: return QObject::tr("м");
    }
}

QString UnitTexts::getTextUnitDensity(unsigned char unit)
{
    Q_UNUSED(unit);
    return QObject::tr("кг/м3");
}

QString UnitTexts::getTextUnitSpace(unsigned char unit)
{
    Q_UNUSED(unit);
    return QObject::tr("мм2");
}

QString UnitTexts::getTextUnitFreq(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("кГц");
    default: return QObject::tr("Гц");
    }
}

QString UnitTexts::getTextUnitVoltage(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("кВ");
    default: return QObject::tr("В");
    }
}

QString UnitTexts::getTextUnitCurrent(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("мА");
    default: return QObject::tr("А");
    }
}

QString UnitTexts::getTextUnitActivePower(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("кВт");
    default: return QObject::tr("Вт");
    }
}

QString UnitTexts::getTextUnitFullPower(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("кВА");
    default: return QObject::tr("ВА");
    }
}

QString UnitTexts::getTextUnitReactivePower(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("кВАр");
    default: return QObject::tr("ВАр");
    }
}

QString UnitTexts::getTextUnitAnglePower(unsigned char unit)
{
    Q_UNUSED(unit);
    return QStringLiteral("%1").arg(Degree);
}

QString UnitTexts::getTextUnitRPM(unsigned char unit)
{
    Q_UNUSED(unit);
    return QObject::tr("Об/мин");
}

QString UnitTexts::getTextUnitTemp(unsigned char unit)
{
    Q_UNUSED(unit);
    return QObject::tr("Гц/с");
}

QString UnitTexts::getTextUnitResistance(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("кОм");
    case 2: return QObject::tr("МОм");
    case 3: return QObject::tr("мОм");
    default: return QObject::tr("Ом");
    }
}

QString UnitTexts::getTextUnitResistCable(unsigned char unit)
{
    Q_UNUSED(unit);
    return QObject::tr("Ом/км");
}

QString UnitTexts::getTextUnitPressure(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("атм");
    case 2: return QObject::tr("ат");
    case 3: return QObject::tr("бар");
    case 4: return QObject::tr("psi");
    case 5: return QObject::tr("кПа");
    default: return QObject::tr("МПа");
    }
}

QString UnitTexts::getTextUnitTemperature(unsigned char unit)
{
    return (unit == 1 ? QStringLiteral("%1F") : QStringLiteral("%1C")).arg(Degree);
}

QString UnitTexts::getTextUnitAcceleration(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("м/с2");
    case 2: return QObject::tr("мм/с2");
    default: return QObject::tr("g");
    }
}

QString UnitTexts::getTextUnitSpeed(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("мм/с");
    default: return QObject::tr("м/с");
    }
}

QString UnitTexts::getTextUnitViscosity(unsigned char unit)
{
    Q_UNUSED(unit);
    return QObject::tr("МПа/с");
}

QString UnitTexts::getTextUnitFlow(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("м3/ч");
    case 2: return QObject::tr("барр/сут");
    case 3: return QObject::tr("барр/ч");
    default: return QObject::tr("м3/сут");
    }
}

QString UnitTexts::getTextUnitPower(unsigned char unit)
{
    return getTextUnitPowerMotor(unit);
}

QString UnitTexts::getTextUnitActiveEnergy(unsigned char unit)
{
    Q_UNUSED(unit);
    return QObject::tr("кВт·ч");
}

QString UnitTexts::getTextUnitReactiveEnergy(unsigned char unit)
{
    Q_UNUSED(unit);
    return QObject::tr("кВАр·ч");
}

QString UnitTexts::getTextUnitFullEnergy(unsigned char unit)
{
    Q_UNUSED(unit);
    return QObject::tr("кВ·А·ч");
}

QString UnitTexts::getTextUnitRate(unsigned char unit)
{
    Q_UNUSED(unit);
    return QObject::tr("Н·м");
}

QString UnitTexts::getTextUnitIndunc(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("мкГн");
    default: return QObject::tr("мГн");
    }
}

QString UnitTexts::getTextUnitCapacity(unsigned char unit)
{
    Q_UNUSED(unit);
    return QObject::tr("мкФ");
}

QString UnitTexts::getTextUnitEmfSpecific(unsigned char unit)
{
    Q_UNUSED(unit);
    return QObject::tr("В/Об/мин");
}

QString UnitTexts::getTextUnitPowerMotor(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("кВт");
    case 2: return QObject::tr("Л.С.");
    default: return QObject::tr("Вт");
    }
}

QString UnitTexts::getTextUnitCableCross(unsigned char unit)
{
    switch (unit) {
    case 1: return QObject::tr("AWG");
    default: return QObject::tr("мм2");
    }
}

// --- analog inputs: their own unit numbering per measured quantity -------------

QString UnitTexts::getTextAiUnitPressure(unsigned char unit)
{
    switch (unit) {
    case 1: return getTextUnitPressure(1);
    case 2: return getTextUnitPressure(4);
    case 3: return QObject::tr("кг/см2");
    case 4: return getTextUnitPressure(3);
    case 5: return getTextUnitPressure(5);
    default: return getTextUnitPressure(0);
    }
}

QString UnitTexts::getTextAiUnitTemp(unsigned char unit)
{
    return getTextUnitTemperature(unit == 1 ? 1 : 0);
}

QString UnitTexts::getTextAiUnitVibrAcceler(unsigned char unit)
{
    return getTextUnitAcceleration(unit);
}

QString UnitTexts::getTextAiUnitVibrSpeed(unsigned char unit)
{
    return getTextUnitSpeed(unit == 0 ? 0 : 1);
}

QString UnitTexts::getTextAiUnitResistIsol(unsigned char unit)
{
    Q_UNUSED(unit);
    return getTextUnitResistance(1);
}

QString UnitTexts::getTextAiUnitConsumption(unsigned char unit)
{
    return getTextUnitFlow(unit);
}

QString UnitTexts::getTextAiUnitFreq(unsigned char unit)
{
    Q_UNUSED(unit);
    return getTextUnitFreq(0);
}

QString UnitTexts::getTextAiUnitCurrent(unsigned char unit)
{
    Q_UNUSED(unit);
    return getTextUnitCurrent(0);
}

QString UnitTexts::getTextAiUnit(unsigned char quantity, unsigned char unit)
{
    switch (quantity) {
    case 1: return getTextAiUnitPressure(unit);
    case 2: return getTextAiUnitTemp(unit);
    case 3: return getTextAiUnitVibrAcceler(unit);
    case 4: return getTextAiUnitVibrSpeed(unit);
    case 5: return getTextAiUnitResistIsol(unit);
    case 6: return getTextAiUnitConsumption(unit);
    case 7: return getTextAiUnitFreq(unit);
    case 8: return getTextAiUnitCurrent(unit);
    default: return QString();
    }
}

QString UnitTexts::getTextAiParamUnits(unsigned short quantity, unsigned short unit)
{
    if (quantity < 1 || quantity > 8)
        return QString::number(unit);
    return getTextAiUnit(static_cast<unsigned char>(quantity), static_cast<unsigned char>(unit & 0xFFu));
}
