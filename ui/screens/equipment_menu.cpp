#include "equipment_menu.h"

#include "analog_outputs_menu.h"
#include "em_form.h"
#include "filters_form.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "relay_outputs_options_menu.h"
#include "ui/modes/bypass_contactors_form.h"
#include "ui/modes/dhs_menu.h"
#include "ui/modes/motor_form.h"
#include "ui/modes/pump_form.h"
#include "ui/modes/trans_form.h"
#include "ui/modes/vsd_menu.h"

namespace {

const quint16 ExtensionBoardId = 1644;
const quint16 DriveTypeId = 685;
const quint16 BypassId = 10504;

QList<MenuEntry> entries()
{
    const quint16 drive = MenuForm::value16(DriveTypeId);
    QList<MenuEntry> list;
    list << MenuEntry::of<MotorForm>(QObject::tr("Двигатель")) << MenuEntry::of<TransForm>(QObject::tr("ТМПН"))
         << MenuEntry::of<VsdMenu>(QObject::tr("ЧРП")) << MenuEntry::of<DhsMenu>(QObject::tr("ТМС"))
         << MenuEntry::of<EmForm>(QObject::tr("Счётчик электроэнергии"))
         << MenuEntry::of<FiltersForm>(QObject::tr("Фильтры")) << MenuEntry::of<PumpForm>(QObject::tr("Насос"))
         << MenuEntry::of<RelayOutputsOptionsMenu>(QObject::tr("Релейные выходы"));
    if (MenuForm::value(ExtensionBoardId) != 0.0f)
        list << MenuEntry::of<AnalogOutputsMenu>(QObject::tr("Аналоговые выходы"));
    if (drive == 2 || (drive == 3 && MenuForm::value(BypassId) != 5.0f))
        list << MenuEntry::of<BypassContactorsForm>(QObject::tr("Байпасные контакторы"));
    return list;
}

} // namespace

EquipmentMenu::EquipmentMenu(QWidget* parent)
    : MenuForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Оборудование"));
}

QList<BaseForm*> EquipmentMenu::createNextForm()
{
    // The mode screens stand below the menus and cannot name this one: every
    // screen built here is told its way back.
    return MenuEntry::createForms(entries(), &MainMenu::createNextForm, staticMetaObject);
}

QList<MenuEntry> EquipmentMenu::menuEntries() const
{
    return entries();
}

QList<BaseForm*> EquipmentMenu::createLevel() const
{
    return MainMenu::createNextForm();
}

void EquipmentMenu::createForm()
{
    addEntries();
    followParameters(QList<quint16>() << ExtensionBoardId << DriveTypeId << BypassId);
}

void EquipmentMenu::setFormsList()
{
    setChildren(createNextForm());
}

void EquipmentMenu::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(new MainMenu, -1);
}
