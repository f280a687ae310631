#include "corrections_voltage_in.h"

#include "corrections_form.h"
#include "corrections_rows.h"
#include "mainwindow.h"
#include "technolog_params_menu.h"

CorrectionsVoltageIn::CorrectionsVoltageIn(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Корректировка напряжений на входе"));
}

void CorrectionsVoltageIn::createForm()
{
    CorrectionsRows::VoltageIn.build(this);
}

void CorrectionsVoltageIn::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(TechnologParamsMenu::createNextForm(), QLatin1String(CorrectionsForm::staticMetaObject.className()));
}
