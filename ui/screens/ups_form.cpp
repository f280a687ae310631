#include "ups_form.h"

#include "mainmenu.h"
#include "mainwindow.h"
#include "options_menu.h"

UpsForm::UpsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("ИБП"));
}

void UpsForm::createForm()
{
    addEdit(1361);
    addEdit(1362);
    addEdit(1363);
}

void UpsForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(OptionsMenu::staticMetaObject.className()));
}
