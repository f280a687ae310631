#include "motor_form.h"

MotorForm::MotorForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Двигатель"));
}

void MotorForm::createForm()
{
    // No rows yet; the screen holds its place in the menu tree.
}

void MotorForm::returnBackForm()
{
    returnToMenu();
}
