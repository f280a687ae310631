#include "pump_form.h"

PumpForm::PumpForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Насос"));
}

void PumpForm::createForm()
{
    // No rows yet; the screen holds its place in the menu tree.
}

void PumpForm::returnBackForm()
{
    returnToMenu();
}
