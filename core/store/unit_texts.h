#ifndef UNIT_TEXTS_H
#define UNIT_TEXTS_H

#include <QString>

// The texts of the display units, by physical quantity and unit index as the
// unit table (units.h) numbers them, and those of the analog inputs, which
// number their units their own way. The store names a parameter's unit with
// them; Common, the text catalogue, derives from this class, so the screens
// call them by Common's name. Every function is reentrant and may be called
// from any thread.
class UnitTexts
{
public:
    UnitTexts() = delete;

    // --- unit texts, by physical quantity -----------------------------------------
    // The unit text of a guarded quantity code (-1 or anything above 32: empty).
    static QString getTextUnitOfQuantity(int quantity, unsigned char unit);

    static QString getTextUnitNumeric(unsigned char unit);
    static QString getTextUnitDateTime(unsigned char unit);
    static QString getTextUnitTime(unsigned char unit);
    static QString getTextUnitPercent(unsigned char unit);
    static QString getTextUnitLenght(unsigned char unit);
    static QString getTextUnitDensity(unsigned char unit);
    static QString getTextUnitSpace(unsigned char unit);
    static QString getTextUnitFreq(unsigned char unit);
    static QString getTextUnitVoltage(unsigned char unit);
    static QString getTextUnitCurrent(unsigned char unit);
    static QString getTextUnitActivePower(unsigned char unit);
    static QString getTextUnitFullPower(unsigned char unit);
    static QString getTextUnitReactivePower(unsigned char unit);
    static QString getTextUnitAnglePower(unsigned char unit);
    static QString getTextUnitRPM(unsigned char unit);
    static QString getTextUnitTemp(unsigned char unit);
    static QString getTextUnitResistance(unsigned char unit);
    static QString getTextUnitResistCable(unsigned char unit);
    static QString getTextUnitPressure(unsigned char unit);
    static QString getTextUnitTemperature(unsigned char unit);
    static QString getTextUnitAcceleration(unsigned char unit);
    static QString getTextUnitSpeed(unsigned char unit);
    static QString getTextUnitViscosity(unsigned char unit);
    static QString getTextUnitFlow(unsigned char unit);
    static QString getTextUnitPower(unsigned char unit);
    static QString getTextUnitActiveEnergy(unsigned char unit);
    static QString getTextUnitReactiveEnergy(unsigned char unit);
    static QString getTextUnitFullEnergy(unsigned char unit);
    static QString getTextUnitRate(unsigned char unit);
    static QString getTextUnitIndunc(unsigned char unit);
    static QString getTextUnitCapacity(unsigned char unit);
    static QString getTextUnitEmfSpecific(unsigned char unit);
    static QString getTextUnitPowerMotor(unsigned char unit);
    static QString getTextUnitCableCross(unsigned char unit);

    // --- analog-input units (quantity codes 1 pressure .. 8 current) ---------------
    static QString getTextAiUnitPressure(unsigned char unit);
    static QString getTextAiUnitTemp(unsigned char unit);
    static QString getTextAiUnitVibrAcceler(unsigned char unit);
    static QString getTextAiUnitVibrSpeed(unsigned char unit);
    static QString getTextAiUnitResistIsol(unsigned char unit);
    static QString getTextAiUnitConsumption(unsigned char unit);
    static QString getTextAiUnitFreq(unsigned char unit);
    static QString getTextAiUnitCurrent(unsigned char unit);
    static QString getTextAiUnit(unsigned char quantity, unsigned char unit);
    static QString getTextAiParamUnits(unsigned short quantity, unsigned short unit);
};

#endif // UNIT_TEXTS_H
