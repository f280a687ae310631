#include "mainmenu.h"

#include "current_params_menu.h"
#include "equipment_menu.h"
#include "logmenu.h"
#include "mainwindow.h"
#include "notebook_menu.h"
#include "options_menu.h"
#include "technolog_params_menu.h"
#include "ui/protections/protections_menu.h"

namespace {

QList<MenuEntry> entries()
{
    return QList<MenuEntry>()
        << MenuEntry::of<CurrentParamsMenu>(QObject::tr("Текущие параметры"), QStringLiteral(":/images/current_params_menu"))
        << MenuEntry::of<LogMenu>(QObject::tr("Архивы"), QStringLiteral(":/images/log_menu"))
        << MenuEntry::of<EquipmentMenu>(QObject::tr("Оборудование"), QStringLiteral(":/images/equipment_menu"))
        << MenuEntry::of<ProtectionsMenu>(QObject::tr("Защиты"), QStringLiteral(":/images/protections_menu"))
        << MenuEntry::of<TechnologParamsMenu>(QObject::tr("Технологические настройки"),
                                              QStringLiteral(":/images/technolog_params_menu"))
        << MenuEntry::of<NotebookMenu>(QObject::tr("Записная книжка"), QStringLiteral(":/images/notebook_menu"))
        << MenuEntry::of<OptionsMenu>(QObject::tr("Настройки"), QStringLiteral(":/images/options_menu"));
}

// The level the main menu stands in: itself alone.
QList<BaseForm*> mainMenuLevel()
{
    return QList<BaseForm*>() << new MainMenu;
}

} // namespace

MainMenu::MainMenu(QWidget* parent)
    : MenuForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Меню"));
}

QList<BaseForm*> MainMenu::createNextForm()
{
    // The protection screens stand below the menus and cannot name this one:
    // every screen built here is told its way back.
    return MenuEntry::createForms(entries(), &mainMenuLevel, staticMetaObject);
}

QList<MenuEntry> MainMenu::menuEntries() const
{
    return entries();
}

void MainMenu::createForm()
{
    addEntries();
}

void MainMenu::setFormsList()
{
    setChildren(createNextForm());
}

void MainMenu::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(CurrentParamsMenu::createNextForm(), 0, -1);
}
