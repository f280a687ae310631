#include "pump_form.h"

#include "equipment_menu.h"
#include "mainmenu.h"
#include "mainwindow.h"

PumpForm::PumpForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Насос"));
}

void PumpForm::createForm()
{
    // No rows yet; the screen holds its place in the menu tree.
}

void PumpForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(EquipmentMenu::staticMetaObject.className()));
}
