#include "current_dhs_params_form.h"

#include "current_params_cells.h"
#include "mainapplication.h"

CurrentDhsParamsForm::CurrentDhsParamsForm(QWidget* parent)
    : BaseStatusForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Текущие параметры ТМС"));
}

void CurrentDhsParamsForm::createForm()
{
    MainApplication* app = MainApplication::getInstance();
    CurrentParamsCells::place(this, CurrentParamsCells::dhsCells(app ? app->getTypeDhs() : 0));
}
