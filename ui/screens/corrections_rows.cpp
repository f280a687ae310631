#include "corrections_rows.h"

#include "baseform.h"
#include "common.h"
#include "menu_form.h"

#include <QObject>

namespace {

// Correction mode: 0 the coefficients are entered, anything else the true values.
const quint16 ModeId = 2085;
// Voltages as phase (0) or line (not 0) voltages.
const quint16 LineVoltageId = 1178;
// The screens of the model of operation are shown.
const quint16 ModelPagesId = 1518;

bool any(const quint16 (&ids)[3])
{
    return ids[0] != 0 || ids[1] != 0 || ids[2] != 0;
}

} // namespace

//                                              coefficients        measured, phase     measured, line
//                                              line labels
//                                              model, phase        model, line
const CorrectionsRows CorrectionsRows::CurrentIn = {
    {854, 855, 856}, {857, 858, 859}, {0, 0, 0},
    {nullptr, nullptr, nullptr},
    {0, 0, 0}, {0, 0, 0}};
const CorrectionsRows CorrectionsRows::VoltageIn = {
    {508, 509, 510}, {706, 707, 708}, {709, 710, 711},
    {QT_TRANSLATE_NOOP("QObject", "Коэффициент AB"), QT_TRANSLATE_NOOP("QObject", "Коэффициент BC"),
     QT_TRANSLATE_NOOP("QObject", "Коэффициент CA")},
    {0, 0, 0}, {0, 0, 0}};
const CorrectionsRows CorrectionsRows::CurrentOut = {
    {511, 512, 513}, {1163, 1164, 1165}, {0, 0, 0},
    {nullptr, nullptr, nullptr},
    {1520, 1521, 1522}, {0, 0, 0}};
const CorrectionsRows CorrectionsRows::VoltageOut = {
    {1403, 1404, 1405}, {1144, 1145, 1146}, {1148, 1149, 1150},
    {QT_TRANSLATE_NOOP("QObject", "Коэффициент UV"), QT_TRANSLATE_NOOP("QObject", "Коэффициент VW"),
     QT_TRANSLATE_NOOP("QObject", "Коэффициент WU")},
    {1524, 1525, 1526}, {1528, 1529, 1530}};
const CorrectionsRows CorrectionsRows::CurrentTrans = {
    {1406, 1407, 1408}, {1167, 1168, 1169}, {0, 0, 0},
    {nullptr, nullptr, nullptr},
    {1532, 1533, 1534}, {0, 0, 0}};
const CorrectionsRows CorrectionsRows::VoltageTrans = {
    {1409, 1410, 1411}, {1152, 1153, 1154}, {1156, 1157, 1158},
    {QT_TRANSLATE_NOOP("QObject", "Коэффициент AB"), QT_TRANSLATE_NOOP("QObject", "Коэффициент BC"),
     QT_TRANSLATE_NOOP("QObject", "Коэффициент CA")},
    {1536, 1537, 1538}, {1540, 1541, 1542}};
const CorrectionsRows CorrectionsRows::CurrentMotor = {
    {1412, 1413, 1414}, {2, 3, 4}, {0, 0, 0},
    {nullptr, nullptr, nullptr},
    {1544, 1545, 1546}, {0, 0, 0}};
const CorrectionsRows CorrectionsRows::VoltageMotor = {
    {1415, 1416, 1417}, {716, 717, 718}, {1159, 1160, 1161},
    {QT_TRANSLATE_NOOP("QObject", "Коэффициент AB"), QT_TRANSLATE_NOOP("QObject", "Коэффициент BC"),
     QT_TRANSLATE_NOOP("QObject", "Коэффициент CA")},
    {1548, 1549, 1550}, {1552, 1553, 1554}};

void CorrectionsRows::build(BaseForm* form) const
{
    // The current screens have one variant; a voltage screen follows 1178.
    const bool line = any(measuredLine) && MenuForm::value16(LineVoltageId) != 0;
    const quint16* measuredIds = line ? measuredLine : measured;
    const quint16* modelIds = line ? modelLine : model;
    // Labels travel with the coefficients, entered or watched.
    auto coefficientName = [&](int phase) {
        return line ? QObject::tr(lineLabels[phase]) : Common::getTextFromId(coefficients[phase]);
    };

    if (MenuForm::value16(ModeId) != 0) {
        // The true values are entered; the controller works the coefficients out.
        for (int phase = 0; phase < 3; ++phase)
            form->addEdit(measuredIds[phase]);
        for (int phase = 0; phase < 3; ++phase)
            form->addStatusNum(coefficientName(phase), coefficients[phase], false);
    } else {
        for (int phase = 0; phase < 3; ++phase)
            form->addEdit(coefficientName(phase), coefficients[phase]);
        for (int phase = 0; phase < 3; ++phase)
            form->addStatusNum(measuredIds[phase], false);
    }

    if (modelIds[0] != 0 && MenuForm::value16(ModelPagesId) != 0) {
        for (int phase = 0; phase < 3; ++phase)
            form->addStatusNum(modelIds[phase], false);
    }
}
