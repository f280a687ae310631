#ifndef COMMON_H
#define COMMON_H

#include "common_helpers.h"
#include "unit_texts.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class Parameters;
struct ParameterDef;

// Makes of downhole sensor system (DHS), as parameter 39 holds them. The underlying
// type is fixed so that any code read from a parameter is a valid value to pass on.
enum typeDHS : int {
    DHS_NONE = 0,
    DHS_TARVESK = 1,
    DHS_ALMAZ = 2,
    DHS_BORETS_1 = 3,
    DHS_ELEKTON_2 = 4,
    DHS_ELEKTON_3 = 5,
    DHS_RIDURI = 6,
    DHS_IRZ = 7,
    DHS_ORION = 8,
    DHS_PIC_V2 = 9,
    DHS_SKAD = 10,
    DHS_SKAN = 11,
    DHS_TRIOL = 12,
    DHS_ZENITH = 13,
    DHS_SNG = 14,
    DHS_BORETS_2 = 15,
    DHS_RN_TRANSFER = 16,
    DHS_VOROZO = 17,
    DHS_BAKER_HUGHES = 18,
    DHS_SPY_PRO_11 = 19,
    DHS_RIDURI_06 = 20,
    DHS_GRS = 21,
    DHS_OXFORD = 22,
    DHS_ZENITH_2_48 = 23,
    DHS_ACE = 24,
    DHS_PIC_V3 = 25
};

// The raw 32 bits of a parameter value, read as the parameter needs them.
union unTypeData
{
    float f;
    quint32 u;
    qint32 i;
    quint8 b[4];
};

// Static helpers and text functions used across the program. The CRC-16 and
// the sleep (CommonHelpers, core/base) and the unit texts (UnitTexts, the
// store's) live with the floors below that need them and are reached by this
// class's name too. Every function is reentrant and may be called from any
// thread.
class Common : public CommonHelpers, public UnitTexts
{
public:
    Common() = delete;

    // --- helpers --------------------------------------------------------------
    // Inclusive range test at a parameter's resolution (scale = 10^decimals).
    static bool checkRange(double value, double min, double max, unsigned int scale);
    static float calcValueToPercent(float value, float min, float max);
    static float calcPercentToValue(float percent, float min, float max);
    static unsigned char asciiToHex(unsigned char c);

    // --- value text -------------------------------------------------------------
    static QString getTextValue(unTypeData value, const ParameterDef* def, bool valid, bool pad);
    // Decimals a mask asks for: the characters after its last '.'.
    static int maskDecimals(const QString& mask);

    // --- the parameter store the text functions read ----------------------------------
    // The store given to setParameters, else the application's; nullptr before the
    // application has built its store (the texts then read every value as 0).
    static Parameters* parameters();
    // Points the text functions at a store of the caller's; nullptr returns to the
    // application's store. The store must outlive its use here.
    static void setParameters(Parameters* parameters);

    // --- protection catalogue ------------------------------------------------------------
    // Names, start-prevent ids and running-delay ids of the protections, row k of each
    // list belonging together. The delay list is one shorter (the last row has no delay)
    // and its first entry, the id 0, only holds the place of a protection without one.
    static QList<QString> protectionNamesList();
    static QList<int> preventIdsList();
    static QList<int> delayIdsList();
    // Why a start is refused; empty when nothing prevents it.
    static QString getTextPrevent();
    // The catalogue row of the first protection whose trip delay runs, -1 if none.
    // Reads only real delay parameters: the placeholder id 0 is skipped.
    static int runningDelayIndex();

    // --- parameter short names -----------------------------------------------------------
    // The translated label of a parameter; the id in decimal when it has none.
    static QString getTextFromId(int id);

    // --- enumerations ----------------------------------------------------------------------
    // Any off/on setting (protection, mode and settings pages, event texts)
    static QString getTextOnOff(unsigned short code);
    // Mode of a protection (the mode parameter of every protection page: 103, 118, 133 ...)
    static QString getTextProtMode(unsigned short code);
    // Activation of a running mode (mode parameters 447, 455, 464, 474, 1000, 1012,
    // 1020, 1057, 1122, 1336, 1447, 1599 ...)
    static QString getTextRgmMode(unsigned short code);
    // Reaction to a drive alarm (event texts)
    static QString getTextAlarmVSDMode(unsigned short code);
    // Station state, parameter 666 (status panel)
    static QString getTextCondition(int code);
    // Link lost or restored (event texts)
    static QString getTextConnect(unsigned short code);
    // Start type, parameter 14
    static QString getTextRgmRun(unsigned short code);
    // Motor type, parameter 782
    static QString getTextTypeMtr(unsigned short code);
    // Motor rotation direction, parameter 10007
    static QString getTextRotation(unsigned short code);
    // Motor control method, parameter 10006
    static QString getTextMotorControl(unsigned short code);
    // Variant of vector control, parameter 10524
    static QString getTextVectType(unsigned short code);
    // Drive stop type, parameter 10300
    static QString getTextTypeStop(unsigned short code);
    // Phase sequence, parameter 110
    static QString getTextPhaseRotation(unsigned short code);
    // Shape of the U/f characteristic, parameter 10029
    static QString getTextUfType(unsigned short code);
    // Motor profile, parameter 1030
    static QString getTextMotorProfile(unsigned short code);
    // How the motor inductance is given, parameter 1329
    static QString getTextMotorInductance(unsigned short code);
    // Use of the motor inductances by auto-tuning, parameter 10541
    static QString getTextUseInduct(unsigned short code);
    // Cable conductor metal, parameter 1327
    static QString getTextTypeMetal(unsigned short code);
    // Source of the supply-voltage measurement, parameter 1482
    static QString getTextSourceVoltage(unsigned short code);
    // Source of the current measurement, parameter 1474
    static QString getTextSourceCurrent(unsigned short code);
    // Source of the insulation resistance, parameter 1130
    static QString getTextSourceR(unsigned short code);
    // Source of the motor temperature, parameter 1215
    static QString getTextSourceTemperature(unsigned short code);
    // Kind of voltage shown, parameter 1178
    static QString getTextTypeVolt(unsigned short code);
    // Sensor position, parameter 10533
    static QString getTextSensorPosition(unsigned short code);
    // Drive switching frequency, parameters 1396 and 10355
    static QString getTextSwitchingFreqCode(unsigned short code);
    // Drive link channel, parameter 1707
    static QString getTextChanelVsd(unsigned short code);
    // Reaction to an opened drive door, parameter 10540
    static QString getTextVSdDoor(unsigned short code);
    // Drive (VSD) type, parameter 685
    static QString getTextVsdType(unsigned short code);
    // Energy-meter type, parameter 705
    static QString getTextEmType(unsigned short code);
    // Downhole-sensor (DHS) make, parameter 39
    static QString getTextDhsType(typeDHS type);
    // Serial interface of the DHS, parameter 1102
    static QString getTextDhsInterface(unsigned short code);
    // Interface language, parameter 570
    static QString getTextLanguage(unsigned short code);
    // SCADA protocol (register map), parameter 578
    static QString getTextScadaType(unsigned short code);
    // Parity of the SCADA serial line (event texts)
    static QString getTextScadaParity(unsigned short code);
    // Oil-company profile, parameter 1330
    static QString getTextOilCompany(unsigned short code);
    // Action on plugging in a USB drive, parameter 1477
    static QString getTextActionUsbConnect(unsigned short code);
    // Mode of the technologist's menu, parameter 1666
    static QString getTextMenuTechnolog(unsigned short code);
    // Stored configuration slot, parameter 1077
    static QString getTextConfiguration(unsigned short code);
    // Kind of a measurement correction, parameter 2085 and the other correction pages
    static QString getTextCalibType(unsigned short code);
    // Signal type of an analog input, parameters 823, 827, 831, 835 (inputs 1-4)
    // and the analog-input correction pages
    static QString getTextTypeAI(unsigned short code);
    // Quantity measured by an analog input, parameters 822, 826, 830, 834
    static QString getTextAiParameter(unsigned short code);
    // Sign of a zero shift, parameter 1033
    static QString getTextAiAxisZeroShift(int code);
    // Side of an analog-input limit (start-block and delay texts)
    static QString getTextAiAlarmType(int code);
    // Kind of intake-pressure limit (start-block and delay texts)
    static QString getTextPinType(unsigned short code);
    // Active level of a digital input (digital-input pages)
    static QString getTextDiType(unsigned short code);
    // Function assigned to a digital input (digital-input pages, stop reasons, start-block texts)
    static QString getTextDiParameter(unsigned short code);
    // Action of a digital input (digital-input pages)
    static QString getTextDiAction(unsigned short code);
    // Function of a relay output (relay-output pages)
    static QString getTextRoAction(unsigned short code);
    // Signal type of an analog output (analog-output pages)
    static QString getTextTypeAO(unsigned short code);
    // Parameter shown on an analog output (analog-output pages)
    static QString getTextParamAO(unsigned short code);
    // Quantity held by the maintenance mode, parameter 475
    static QString getTextMaintenanceModeParamType(unsigned short code);
    // Dependence of the maintenance mode, parameter 476
    static QString getTextMaintenanceModeParamDepend(unsigned short code);
    // Control kind of the maintenance mode, parameter 1683
    static QString getTextMaintenanceModeParamTypeControl(unsigned short code);
    // Backlight level, parameter 1208: ten times the level
    static QString getTextBacklight(unsigned short level);
    // Offset of local time from UTC in seconds, parameter 1367, in whole hours
    static QString getTextTimeZone(int offset);
    // A parameter of the technologist's menu: its short name and, where needed, its group
    static QString getTextParamMenuTechnolog(unsigned short id);

    // --- start and stop reasons ------------------------------------------------------------
    static QString getTextReasonRun(int code);
    // Reads the function of a digital input for its protection codes; codes of the
    // drive take the drive alarm text.
    static QString getTextReasonStop(int code);

    // --- drive alarms and warnings, controller errors ------------------------------------
    // A code without a text gives its number when number is true, else the empty text.
    static QString getTextVsdAlarm(int code, bool number);
    static QString getTextVsdWarning(int code, bool number);
    static QString getTextErrorSlave(int code);
    // The name of a special start algorithm of the oil-company profile.
    static QString getTextRgmRunSpecRN(float first, float second, float third);
};

#endif // COMMON_H
