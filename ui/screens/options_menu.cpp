#include "options_menu.h"

#include "configurations_form.h"
#include "interface_form.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "passwords_form.h"
#include "system_form.h"
#include "telemechanics_form.h"
#include "units_measure_form.h"
#include "ups_form.h"

namespace {

QList<MenuEntry> entries()
{
    return QList<MenuEntry>()
        << MenuEntry::of<SystemForm>(QObject::tr("Система"))
        << MenuEntry::of<PasswordsForm>(QObject::tr("Пароли"))
        << MenuEntry::of<TelemechanicsForm>(QObject::tr("Телемеханика"))
        << MenuEntry::of<UnitsMeasureForm>(QObject::tr("Единицы измерения"))
        << MenuEntry::of<InterfaceForm>(QObject::tr("Интерфейс"))
        << MenuEntry::of<ConfigurationsForm>(QObject::tr("Конфигурации"))
        << MenuEntry::of<UpsForm>(QObject::tr("ИБП"));
}

} // namespace

OptionsMenu::OptionsMenu(QWidget* parent)
    : MenuForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Настройки"));
}

QList<BaseForm*> OptionsMenu::createNextForm()
{
    return MenuEntry::createForms(entries());
}

QList<MenuEntry> OptionsMenu::menuEntries() const
{
    return entries();
}

void OptionsMenu::createForm()
{
    addEntries();
}

void OptionsMenu::setFormsList()
{
    setChildren(createNextForm());
}

void OptionsMenu::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(new MainMenu, -1);
}
