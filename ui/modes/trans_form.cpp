#include "trans_form.h"

TransForm::TransForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("ТМПН"));
}

void TransForm::createForm()
{
    // No rows yet; the screen holds its place in the menu tree.
}

void TransForm::returnBackForm()
{
    returnToMenu();
}
