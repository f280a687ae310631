#include "current_motor_model_params_form.h"

#include "current_params_cells.h"

CurrentMotorModelParamsForm::CurrentMotorModelParamsForm(QWidget* parent)
    : BaseStatusForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Текущие параметры двигателя по модели"));
}

void CurrentMotorModelParamsForm::createForm()
{
    using namespace CurrentParamsCells;
    place(this, voltageCells(MotorModel, isLineVoltage()));
}
