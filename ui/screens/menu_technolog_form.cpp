#include "menu_technolog_form.h"

#include "common.h"
#include "mainapplication.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "parameters.h"
#include "technolog_params_menu.h"

#include <algorithm>
#include <iterator>

namespace {

const quint16 TechnologModeId = 1666;
const quint16 FirstSlotId = 1667;
const quint16 LastSlotId = 1680;
const quint16 LineVoltageId = 1178; // voltages shown as line (non-zero) or phase (zero) voltages

// The parameters the technologist may put on his page, in the order offered.
const quint16 paramMenuTechnolog[] = {
    // drive
    10008, 10009, 10010, 10514, 10004, 10011, 10012, 10013, 10014, 9, 10246, 10260, 10499, 10261, 10247, 10327, 10056,
    10109, 10149, 10347,
    // station output
    1148, 1149, 1150, 1151, 1144, 1145, 1146, 1147, 1163, 1164, 1165, 1166,
    // transformer
    1156, 1157, 1158, 632, 1152, 1153, 1154, 1155, 1167, 1168, 1169, 1170,
    // motor
    1159, 1160, 1161, 1162, 716, 717, 718, 8, 719, 2, 3, 4, 5, 7, 1171,
    // supply network
    709, 710, 711, 706, 707, 708, 16, 857, 858, 859, 17, 20007, 20009,
    // downhole sensors
    15002, 15004, 15003, 15011, 15007, 15052, 15008, 15009, 15010, 15056, 15053,
};
static_assert(sizeof(paramMenuTechnolog) / sizeof(paramMenuTechnolog[0]) == 83, "the technologist's 83 candidates");

// Offered only while the station shows phase voltages.
const quint16 phaseIds[] = {8, 706, 707, 708, 716, 717, 718, 1144, 1145, 1146, 1147, 1152, 1153, 1154, 1155};
// Offered only while it shows line voltages.
const quint16 lineIds[] = {632, 709, 710, 711, 1148, 1149, 1150, 1151, 1156, 1157, 1158, 1159, 1160, 1161, 1162};

bool contains(const quint16* first, const quint16* last, quint16 id)
{
    return std::find(first, last, id) != last;
}

bool lineVoltages()
{
    MainApplication* app = MainApplication::getInstance();
    Parameters* parameters = app ? app->getParameters() : nullptr;
    return parameters && parameters->get(LineVoltageId) != 0.0f;
}

} // namespace

MenuTechnologForm::MenuTechnologForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Настройка меню технолога"));
}

PairList MenuTechnologForm::candidates()
{
    PairList list;
    for (quint16 id : paramMenuTechnolog) {
        if (contains(std::begin(phaseIds), std::end(phaseIds), id) && lineVoltages())
            continue;
        if (contains(std::begin(lineIds), std::end(lineIds), id) && !lineVoltages())
            continue;
        list.append(id, Common::getTextParamMenuTechnolog(id));
    }
    return list;
}

void MenuTechnologForm::createForm()
{
    PairList modes;
    for (unsigned short mode = 0; mode <= 3; ++mode)
        modes.append(mode, Common::getTextMenuTechnolog(mode));
    addComboBox(TechnologModeId, modes);

    for (quint16 slotId = FirstSlotId; slotId <= LastSlotId; ++slotId)
        listParamMenuTechnolog(slotId);
}

void MenuTechnologForm::listParamMenuTechnolog(quint16 slotId)
{
    addComboBox(slotId, candidates());
}

void MenuTechnologForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(TechnologParamsMenu::staticMetaObject.className()));
}
