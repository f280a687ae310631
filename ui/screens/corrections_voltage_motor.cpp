#include "corrections_voltage_motor.h"

#include "corrections_form.h"
#include "corrections_rows.h"
#include "mainwindow.h"
#include "technolog_params_menu.h"

CorrectionsVoltageMotor::CorrectionsVoltageMotor(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Корректировка напряжений двигателя"));
}

void CorrectionsVoltageMotor::createForm()
{
    CorrectionsRows::VoltageMotor.build(this);
}

void CorrectionsVoltageMotor::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(TechnologParamsMenu::createNextForm(), QLatin1String(CorrectionsForm::staticMetaObject.className()));
}
