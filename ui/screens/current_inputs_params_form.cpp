#include "current_inputs_params_form.h"

#include "basestatuswidget.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "parameters.h"

#include <QLabel>

namespace {

const quint16 DoorId = 22;
const quint16 analogValues[] = {838, 839, 840, 841};   // left rows 0 to 3
const quint16 digitalInputs[] = {24, 25, 26, 27};      // right rows 0 to 3
const quint16 rightMore[] = {811, 812, 813, 814};      // right rows 4 to 7

// What analog input i measures, its unit and its signal type (current or voltage).
quint16 quantityId(int input) { return static_cast<quint16>(822 + 4 * input); }
quint16 unitId(int input) { return static_cast<quint16>(1105 + input); }
quint16 signalTypeId(int input) { return static_cast<quint16>(823 + 4 * input); }

} // namespace

CurrentInputsParamsForm::CurrentInputsParamsForm(QWidget* parent)
    : BaseStatusForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Текущие параметры входов"));
}

BaseStatusWidget* CurrentInputsParamsForm::analogInputCell(int input) const
{
    return input >= 0 && input < AnalogInputs ? m_analog[input] : nullptr;
}

void CurrentInputsParamsForm::createForm()
{
    PairList door;
    door.append(0, QObject::tr("Открыта"));
    door.append(1, QObject::tr("Закрыта"));
    PairList contacts;
    contacts.append(0, QObject::tr("Замкнут"));
    contacts.append(1, QObject::tr("Разомкнут"));

    for (int i = 0; i < AnalogInputs; ++i)
        m_analog[i] = addStatusNum(analogValues[i], i, 0);
    addStatusText(DoorId, door, 4, 0);
    for (int i = 0; i < 4; ++i)
        addStatusText(digitalInputs[i], contacts, i, 1);
    for (int i = 0; i < 4; ++i)
        addStatusNum(rightMore[i], 4 + i, 1);

    for (int i = 0; i < AnalogInputs; ++i)
        updateUnit(i);
    MainApplication* app = MainApplication::getInstance();
    if (Parameters* parameters = app ? app->getParameters() : nullptr)
        connect(parameters, &Parameters::signalParamUpdated, this,
                &CurrentInputsParamsForm::slotParamUpdated);
}

void CurrentInputsParamsForm::slotParamUpdated(quint16 id)
{
    // The unit text reads all three parameters of the input: a change of any of
    // them may change it.
    for (int i = 0; i < AnalogInputs; ++i) {
        if (id == quantityId(i) || id == unitId(i) || id == signalTypeId(i))
            updateUnit(i);
    }
}

void CurrentInputsParamsForm::updateUnit(int input)
{
    MainWindow* window = mainWindow();
    if (!window || !m_analog[input])
        return;
    const QString unit = window->getTextAiUnit(quantityId(input), unitId(input), signalTypeId(input));
    QLabel* label = m_analog[input]->unitLabel();
    if (label->text() != unit)
        label->setText(unit);
}
