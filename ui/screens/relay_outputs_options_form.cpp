#include "relay_outputs_options_form.h"

#include "common.h"
#include "equipment_menu.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "menu_form.h"
#include "parameters.h"
#include "relay_outputs_options_menu.h"
#include "screen_rebuild.h"

namespace {

// The stop reasons offered for the station alarm after "any reason" (0):
// supply, motor, pressure and temperature, analog inputs 1 to 4 (minimum,
// maximum), digital-input protections, insulation, starts, tampering, drive.
const int AlarmReasons[] = {
    6,   5,   21,  112, 119, 30,  4,   3,   20,  104, 105, 13,  116,
    14,  16,  115, 41,  26,  42,  27,  100, 102, 101, 103, 107, 108,
    109, 110, 120, 121, 122, 123, 2,   114, 9,   106, 111, 117, 129,
};

} // namespace

RelayOutputsOptionsForm::RelayOutputsOptionsForm(quint16 functionId, quint16 reasonId, quint16 delayId,
                                                 quint16 holdId, QWidget* parent)
    : BaseForm(parent, true)
    , m_functionId(functionId)
    , m_reasonId(reasonId)
    , m_delayId(delayId)
    , m_holdId(holdId)
{
}

PairList RelayOutputsOptionsForm::functionList()
{
    PairList list;
    for (int code = 0; code <= LastFunction; ++code)
        list.append(code, Common::getTextRoAction(static_cast<unsigned short>(code)));
    return list;
}

PairList RelayOutputsOptionsForm::reasonList()
{
    PairList list;
    list.append(0, QObject::tr("Любая"));
    for (int code : AlarmReasons)
        list.append(code, Common::getTextReasonStop(code));
    return list;
}

void RelayOutputsOptionsForm::createForm()
{
    const quint16 function = MenuForm::value16(m_functionId);
    addComboBox(m_functionId, functionList());
    if (function == StationAlarm)
        addComboBox(m_reasonId, reasonList());
    if (function != 0) {
        addEdit(m_delayId);
        addEdit(m_holdId);
    }

    MainApplication* app = MainApplication::getInstance();
    if (Parameters* parameters = app ? app->getParameters() : nullptr)
        connect(parameters, &Parameters::signalParamUpdated, this, &RelayOutputsOptionsForm::slotParamUpdated);
}

void RelayOutputsOptionsForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(EquipmentMenu::createNextForm(),
                        QLatin1String(RelayOutputsOptionsMenu::staticMetaObject.className()));
}

void RelayOutputsOptionsForm::slotParamUpdated(quint16 id)
{
    if (id == m_functionId)
        rebuildPage();
}

void RelayOutputsOptionsForm::rebuildPage()
{
    ScreenRebuild::request(this, &RelayOutputsOptionsMenu::createNextForm);
}
