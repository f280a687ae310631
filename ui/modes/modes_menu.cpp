#include "modes_menu.h"

#include "mainmenu.h"
#include "mainwindow.h"
#include "technolog_params_menu.h"

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
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(TechnologParamsMenu::staticMetaObject.className()));
}
