#include "analog_outputs_menu.h"

#include "analog_output1_form.h"
#include "analog_output2_form.h"
#include "analog_output3_form.h"
#include "analog_output4_form.h"
#include "equipment_menu.h"
#include "mainmenu.h"
#include "mainwindow.h"

namespace {

QList<MenuEntry> entries()
{
    return QList<MenuEntry>() << MenuEntry::of<AnalogOutput1Form>(QObject::tr("Аналоговый выход 1"))
                              << MenuEntry::of<AnalogOutput2Form>(QObject::tr("Аналоговый выход 2"))
                              << MenuEntry::of<AnalogOutput3Form>(QObject::tr("Аналоговый выход 3"))
                              << MenuEntry::of<AnalogOutput4Form>(QObject::tr("Аналоговый выход 4"));
}

} // namespace

AnalogOutputsMenu::AnalogOutputsMenu(QWidget* parent)
    : MenuForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Аналоговые выходы"));
}

QList<BaseForm*> AnalogOutputsMenu::createNextForm()
{
    return MenuEntry::createForms(entries());
}

QList<MenuEntry> AnalogOutputsMenu::menuEntries() const
{
    return entries();
}

void AnalogOutputsMenu::setFormsList()
{
    setChildren(createNextForm());
}

void AnalogOutputsMenu::createForm()
{
    addEntries();
}

void AnalogOutputsMenu::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(EquipmentMenu::staticMetaObject.className()));
}
