#include "protections_menu.h"

ProtectionsMenu::ProtectionsMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Защиты"));
}

void ProtectionsMenu::createForm()
{
    // No rows yet; the screen holds its place in the menu tree.
}

void ProtectionsMenu::returnBackForm()
{
    returnToMenu();
}
