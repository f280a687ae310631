#include "current_motor_params_form.h"

#include "current_params_cells.h"

CurrentMotorParamsForm::CurrentMotorParamsForm(QWidget* parent)
    : BaseStatusForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Текущие параметры двигателя"));
}

void CurrentMotorParamsForm::createForm()
{
    using namespace CurrentParamsCells;
    place(this, voltageCells(Motor, isLineVoltage()));
}
