#include "current_params_menu.h"

#include "current_dhs_params_form.h"
#include "current_extended_params_form.h"
#include "current_inputs_params_form.h"
#include "current_main_params_form.h"
#include "current_menu_technolog_form.h"
#include "current_motor_model_params_form.h"
#include "current_motor_params_form.h"
#include "current_output_and_trans_params_form.h"
#include "current_output_and_trans_params_model_form.h"
#include "current_supply_params_form.h"
#include "current_vsd_params_form.h"
#include "mainmenu.h"
#include "mainwindow.h"

namespace {

const quint16 TechnologModeId = 1666; // 0 off, 1 last page, 2 first page, 3 the only page
const quint16 ModelPagesId = 1518;
const quint16 ExtensionBoardId = 1644;

QList<MenuEntry> pages()
{
    const MenuEntry technolog = MenuEntry::of<CurrentMenuTechnologForm>(QObject::tr("Текущие параметры технолога"));
    QList<MenuEntry> list;
    if (MenuForm::value(TechnologModeId) == 3.0f)
        return list << technolog;

    if (MenuForm::value(TechnologModeId) == 2.0f)
        list << technolog;
    else
        list << MenuEntry::of<CurrentMainParamsForm>(QObject::tr("Состояние"));
    list << MenuEntry::of<CurrentVsdParamsForm>(QObject::tr("Текущие параметры ЧРП"))
         << MenuEntry::of<CurrentOutputAndTransParamsForm>(QObject::tr("Текущие параметры выхода СУ и ТМПН"));
    if (MenuForm::value(ModelPagesId) != 0.0f)
        list << MenuEntry::of<CurrentOutputAndTransParamsModelForm>(
            QObject::tr("Текущие параметры выхода СУ и ТМПН по модели"));
    list << MenuEntry::of<CurrentMotorParamsForm>(QObject::tr("Текущие параметры двигателя"));
    if (MenuForm::value(ModelPagesId) != 0.0f)
        list << MenuEntry::of<CurrentMotorModelParamsForm>(QObject::tr("Текущие параметры двигателя по модели"));
    list << MenuEntry::of<CurrentSupplyParamsForm>(QObject::tr("Текущие параметры сети"))
         << MenuEntry::of<CurrentDhsParamsForm>(QObject::tr("Текущие параметры ТМС"))
         << MenuEntry::of<CurrentInputsParamsForm>(QObject::tr("Текущие параметры входов"));
    if (MenuForm::value(ExtensionBoardId) != 0.0f)
        list << MenuEntry::of<CurrentExtendedParamsForm>(QObject::tr("Текущие параметры платы расширений"));
    if (MenuForm::value(TechnologModeId) == 1.0f)
        list << technolog;
    return list;
}

} // namespace

CurrentParamsMenu::CurrentParamsMenu(QWidget* parent)
    : MenuForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Текущие параметры"));
}

QList<BaseForm*> CurrentParamsMenu::createNextForm()
{
    return MenuEntry::createForms(pages());
}

QList<MenuEntry> CurrentParamsMenu::menuEntries() const
{
    return pages();
}

QList<BaseForm*> CurrentParamsMenu::createLevel() const
{
    return MainMenu::createNextForm();
}

void CurrentParamsMenu::createForm()
{
    addEntries();
    followParameters(QList<quint16>() << TechnologModeId << ModelPagesId << ExtensionBoardId);
}

void CurrentParamsMenu::setFormsList()
{
    setChildren(createNextForm());
}

void CurrentParamsMenu::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(new MainMenu, -1);
}
