#include "current_output_and_trans_params_form.h"

#include "current_params_cells.h"

CurrentOutputAndTransParamsForm::CurrentOutputAndTransParamsForm(QWidget* parent)
    : BaseStatusForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Текущие параметры выхода СУ и ТМПН"));
}

void CurrentOutputAndTransParamsForm::createForm()
{
    using namespace CurrentParamsCells;
    place(this, voltageCells(OutputAndTrans, isLineVoltage()));
}
