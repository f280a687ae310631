#include "modes_menu.h"

ModesMenu::ModesMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Режимы"));
}

void ModesMenu::createForm()
{
    // No rows yet; the screen holds its place in the menu tree.
}

void ModesMenu::returnBackForm()
{
    returnToMenu();
}
