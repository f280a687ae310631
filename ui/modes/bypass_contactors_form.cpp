#include "bypass_contactors_form.h"

#include "equipment_menu.h"
#include "mainmenu.h"
#include "mainwindow.h"

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
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(EquipmentMenu::staticMetaObject.className()));
}
