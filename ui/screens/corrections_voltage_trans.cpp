#include "corrections_voltage_trans.h"

#include "corrections_form.h"
#include "corrections_rows.h"
#include "mainwindow.h"
#include "technolog_params_menu.h"

CorrectionsVoltageTrans::CorrectionsVoltageTrans(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Корректировка напряжений трансформатора"));
}

void CorrectionsVoltageTrans::createForm()
{
    CorrectionsRows::VoltageTrans.build(this);
}

void CorrectionsVoltageTrans::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(TechnologParamsMenu::createNextForm(), QLatin1String(CorrectionsForm::staticMetaObject.className()));
}
