#include "bypass_contactors_form.h"

BypassContactorsForm::BypassContactorsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Байпасные контакторы"));
}

void BypassContactorsForm::createForm()
{
    // No rows yet; the screen holds its place in the menu tree.
}

void BypassContactorsForm::returnBackForm()
{
    returnToMenu();
}
