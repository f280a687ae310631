#include "vsd_menu.h"

VsdMenu::VsdMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("ЧРП"));
}

void VsdMenu::createForm()
{
    // No rows yet; the screen holds its place in the menu tree.
}

void VsdMenu::returnBackForm()
{
    returnToMenu();
}
