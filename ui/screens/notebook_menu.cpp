#include "notebook_menu.h"

#include "counters_form.h"
#include "energy_consumption_form.h"
#include "hole_form.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "station_form.h"
#include "statistics_form.h"

namespace {

QList<MenuEntry> entries()
{
    return QList<MenuEntry>()
        << MenuEntry::of<HoleForm>(QObject::tr("Скважина"))
        << MenuEntry::of<CountersForm>(QObject::tr("Счётчики"))
        << MenuEntry::of<StatisticsForm>(QObject::tr("Статистика"))
        << MenuEntry::of<StationForm>(QObject::tr("Станция управления"))
        << MenuEntry::of<EnergyConsumptionForm>(QObject::tr("Потребление активной электоэнергии"));
}

} // namespace

NotebookMenu::NotebookMenu(QWidget* parent)
    : MenuForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Записная книжка"));
}

QList<BaseForm*> NotebookMenu::createNextForm()
{
    return MenuEntry::createForms(entries());
}

QList<MenuEntry> NotebookMenu::menuEntries() const
{
    return entries();
}

void NotebookMenu::createForm()
{
    addEntries();
}

void NotebookMenu::setFormsList()
{
    setChildren(createNextForm());
}

void NotebookMenu::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(new MainMenu, -1);
}
