#include "analog_outputs_form.h"

#include "analog_outputs_menu.h"
#include "common.h"
#include "equipment_menu.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "menu_form.h"
#include "parameterdef.h"
#include "parameters.h"
#include "screen_rebuild.h"

#include <QDebug>

namespace {

const int LastType = 2;

// What an output can reproduce: output frequency, phase currents A, B, C,
// current imbalance, motor current, power factor, motor load, insulation
// resistance, turbine rotation, active and apparent power, voltage, DC-link
// voltage, output phase currents U, V, W, line voltages AB, BC, CA, voltage
// imbalance, IGBT temperature, output voltage, DC-link current, and the
// downhole sensor's intake pressure and temperature, motor oil temperature,
// vibrations XY and Z, discharge pressure, temperature and flow.
const quint16 Sources[] = {
    10001, 2,     3,     4,     5,     6,     9,     7,     11,    10,    10013, 10014, 1162,  10012, 1163,  1164,
    1165,  709,   710,   711,   16,    10246, 10004, 10011, 15002, 15004, 15048, 15011, 15007, 15008, 15009, 15010,
};

Parameters* store()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getParameters() : nullptr;
}

} // namespace

AnalogOutputsForm::AnalogOutputsForm(quint16 typeId, quint16 sourceId, quint16 minimumId, quint16 maximumId,
                                     quint16 valueId, QWidget* parent)
    : BaseForm(parent, true)
    , m_typeId(typeId)
    , m_sourceId(sourceId)
    , m_minimumId(minimumId)
    , m_maximumId(maximumId)
    , m_valueId(valueId)
{
}

PairList AnalogOutputsForm::typeList()
{
    PairList list;
    for (int code = 0; code <= LastType; ++code)
        list.append(code, Common::getTextTypeAO(static_cast<unsigned short>(code)));
    return list;
}

PairList AnalogOutputsForm::sourceList()
{
    PairList list;
    list.append(0, Common::getTextParamAO(0));
    for (quint16 id : Sources)
        list.append(id, Common::getTextFromId(id));
    return list;
}

void AnalogOutputsForm::createForm()
{
    Parameters* parameters = store();
    addComboBox(m_typeId, typeList());
    if (MenuForm::value16(m_typeId) != 0) {
        addComboBox(m_sourceId, sourceList());
        const quint16 source = MenuForm::value16(m_sourceId);
        if (source != 0) {
            const ParameterDef* sourceDef = parameters ? parameters->getParameter(source) : nullptr;
            if (sourceDef) {
                addStatusNum(source, false);
                // The scale ends are source values: show and enter them in the
                // source's unit. The unit stays with them after the page closes.
                for (quint16 end : {m_minimumId, m_maximumId}) {
                    if (ParameterDef* def = parameters->getParameter(end))
                        def->unitOut.store(sourceDef->unitOut.load());
                }
            } else {
                // A source the store does not know has no value to show and no
                // unit to give: the scale ends keep their own.
                qWarning() << "analog output source" << source << "of parameter" << m_sourceId
                           << "is not a parameter of the store";
            }
            addEdit(m_minimumId);
            addEdit(m_maximumId);
        }
    }

    if (parameters)
        connect(parameters, &Parameters::signalParamUpdated, this, &AnalogOutputsForm::slotParamUpdated);
}

void AnalogOutputsForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(EquipmentMenu::createNextForm(), QLatin1String(AnalogOutputsMenu::staticMetaObject.className()));
}

void AnalogOutputsForm::slotParamUpdated(quint16 id)
{
    if (id == m_typeId || id == m_sourceId)
        rebuildPage();
}

void AnalogOutputsForm::rebuildPage()
{
    ScreenRebuild::request(this, &AnalogOutputsMenu::createNextForm);
}
