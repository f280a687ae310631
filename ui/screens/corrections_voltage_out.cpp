#include "corrections_voltage_out.h"

#include "corrections_form.h"
#include "corrections_rows.h"
#include "mainwindow.h"
#include "technolog_params_menu.h"

CorrectionsVoltageOut::CorrectionsVoltageOut(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Корректировка напряжений на выходе"));
}

void CorrectionsVoltageOut::createForm()
{
    CorrectionsRows::VoltageOut.build(this);
}

void CorrectionsVoltageOut::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(TechnologParamsMenu::createNextForm(), QLatin1String(CorrectionsForm::staticMetaObject.className()));
}
