#include "log_event_form.h"

#include "logmenu.h"
#include "mainmenu.h"
#include "mainwindow.h"

LogEventForm::LogEventForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
}

void LogEventForm::createForm()
{
    // No rows yet; the screen holds its place in the menu tree.
}

void LogEventForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(LogMenu::staticMetaObject.className()));
}
