#include "current_supply_params_form.h"

#include "current_params_cells.h"

CurrentSupplyParamsForm::CurrentSupplyParamsForm(QWidget* parent)
    : BaseStatusForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Текущие параметры сети"));
}

void CurrentSupplyParamsForm::createForm()
{
    using namespace CurrentParamsCells;
    place(this, voltageCells(Supply, isLineVoltage()));
}
