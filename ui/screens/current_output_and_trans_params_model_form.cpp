#include "current_output_and_trans_params_model_form.h"

#include "current_params_cells.h"

CurrentOutputAndTransParamsModelForm::CurrentOutputAndTransParamsModelForm(QWidget* parent)
    : BaseStatusForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Текущие параметры выхода СУ и ТМПН по модели"));
}

void CurrentOutputAndTransParamsModelForm::createForm()
{
    using namespace CurrentParamsCells;
    place(this, voltageCells(OutputAndTransModel, isLineVoltage()));
}
