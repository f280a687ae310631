#include "relay_outputs_options_menu.h"

#include "equipment_menu.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "relay_outputs_options10_form.h"
#include "relay_outputs_options11_form.h"
#include "relay_outputs_options12_form.h"
#include "relay_outputs_options1_form.h"
#include "relay_outputs_options2_form.h"
#include "relay_outputs_options3_form.h"
#include "relay_outputs_options4_form.h"
#include "relay_outputs_options5_form.h"
#include "relay_outputs_options6_form.h"
#include "relay_outputs_options7_form.h"
#include "relay_outputs_options8_form.h"
#include "relay_outputs_options9_form.h"

namespace {

// The extension board brings relays 5 to 12.
const quint16 ExtensionBoardId = 1644;

QList<MenuEntry> entries()
{
    QList<MenuEntry> list;
    list << MenuEntry::of<RelayOutputsOptions1Form>(QObject::tr("Релейный выход 1"))
         << MenuEntry::of<RelayOutputsOptions2Form>(QObject::tr("Релейный выход 2"))
         << MenuEntry::of<RelayOutputsOptions3Form>(QObject::tr("Релейный выход 3"))
         << MenuEntry::of<RelayOutputsOptions4Form>(QObject::tr("Релейный выход 4"));
    if (MenuForm::value(ExtensionBoardId) != 0.0f) {
        list << MenuEntry::of<RelayOutputsOptions5Form>(QObject::tr("Релейный выход 5"))
             << MenuEntry::of<RelayOutputsOptions6Form>(QObject::tr("Релейный выход 6"))
             << MenuEntry::of<RelayOutputsOptions7Form>(QObject::tr("Релейный выход 7"))
             << MenuEntry::of<RelayOutputsOptions8Form>(QObject::tr("Релейный выход 8"))
             << MenuEntry::of<RelayOutputsOptions9Form>(QObject::tr("Релейный выход 9"))
             << MenuEntry::of<RelayOutputsOptions10Form>(QObject::tr("Релейный выход 10"))
             << MenuEntry::of<RelayOutputsOptions11Form>(QObject::tr("Релейный выход 11"))
             << MenuEntry::of<RelayOutputsOptions12Form>(QObject::tr("Релейный выход 12"));
    }
    return list;
}

} // namespace

RelayOutputsOptionsMenu::RelayOutputsOptionsMenu(QWidget* parent)
    : MenuForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Релейные выходы"));
}

QList<BaseForm*> RelayOutputsOptionsMenu::createNextForm()
{
    return MenuEntry::createForms(entries());
}

QList<MenuEntry> RelayOutputsOptionsMenu::menuEntries() const
{
    return entries();
}

QList<BaseForm*> RelayOutputsOptionsMenu::createLevel() const
{
    return EquipmentMenu::createNextForm();
}

void RelayOutputsOptionsMenu::setFormsList()
{
    setChildren(createNextForm());
}

void RelayOutputsOptionsMenu::createForm()
{
    addEntries();
    followParameters(QList<quint16>() << ExtensionBoardId);
}

void RelayOutputsOptionsMenu::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(EquipmentMenu::staticMetaObject.className()));
}
