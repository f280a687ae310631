#include "dhs_menu.h"

DhsMenu::DhsMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("ТМС"));
}

void DhsMenu::createForm()
{
    // No rows yet; the screen holds its place in the menu tree.
}

void DhsMenu::returnBackForm()
{
    returnToMenu();
}
