#include "logmenu.h"

#include "mainmenu.h"
#include "mainwindow.h"

LogMenu::LogMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Архивы"));
}

void LogMenu::createForm()
{
    // No rows yet; the screen holds its place in the menu tree.
}

void LogMenu::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(new MainMenu, -1);
}
