#include "corrections_current_motor.h"

#include "corrections_form.h"
#include "corrections_rows.h"
#include "mainwindow.h"
#include "technolog_params_menu.h"

CorrectionsCurrentMotor::CorrectionsCurrentMotor(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Корректировка токов двигателя"));
}

void CorrectionsCurrentMotor::createForm()
{
    CorrectionsRows::CurrentMotor.build(this);
}

void CorrectionsCurrentMotor::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(TechnologParamsMenu::createNextForm(), QLatin1String(CorrectionsForm::staticMetaObject.className()));
}
