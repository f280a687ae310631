#ifndef COMMON_H
#define COMMON_H

#include <QString>
#include <QtGlobal>

struct ParameterDef;

// The raw 32 bits of a parameter value, read as the parameter needs them.
union unTypeData
{
    float f;
    quint32 u;
    qint32 i;
    quint8 b[4];
};

// Static helpers and text functions used across the program. Every function is
// reentrant and may be called from any thread.
class Common
{
public:
    Common() = delete;

    // --- helpers --------------------------------------------------------------
    // CRC-16/MODBUS register update: pass 0xFFFF to start, the previous result to chain.
    static unsigned short crc16(unsigned char* data, unsigned int length, unsigned short init);
    static unsigned short crc16(const unsigned char* data, unsigned int length, unsigned short init);
    // Inclusive range test at a parameter's resolution (scale = 10^decimals).
    static bool checkRange(double value, double min, double max, unsigned int scale);
    static float calcValueToPercent(float value, float min, float max);
    static float calcPercentToValue(float percent, float min, float max);
    static void sleep(int ms);
    static unsigned char asciiToHex(unsigned char c);

    // --- value text -------------------------------------------------------------
    static QString getTextValue(unTypeData value, const ParameterDef* def, bool valid, bool pad);
    // Decimals a mask asks for: the characters after its last '.'.
    static int maskDecimals(const QString& mask);

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

#endif // COMMON_H
