#include "technolog_params_menu.h"

#include "corrections_form.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "menu_technolog_form.h"
#include "ui/modes/modes_menu.h"

namespace {

QList<MenuEntry> entries()
{
    return QList<MenuEntry>()
        << MenuEntry::of<ModesMenu>(QObject::tr("Режимы"))
        << MenuEntry::of<CorrectionsForm>(QObject::tr("Корректировки"))
        << MenuEntry::of<MenuTechnologForm>(QObject::tr("Настройка меню технолога"));
}

} // namespace

TechnologParamsMenu::TechnologParamsMenu(QWidget* parent)
    : MenuForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Технологические настройки"));
}

QList<BaseForm*> TechnologParamsMenu::createNextForm()
{
    // The mode screens stand below the menus and cannot name this one: every
    // screen built here is told its way back.
    return MenuEntry::createForms(entries(), &MainMenu::createNextForm, staticMetaObject);
}

QList<MenuEntry> TechnologParamsMenu::menuEntries() const
{
    return entries();
}

void TechnologParamsMenu::createForm()
{
    addEntries();
}

void TechnologParamsMenu::setFormsList()
{
    setChildren(createNextForm());
}

void TechnologParamsMenu::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(new MainMenu, -1);
}
