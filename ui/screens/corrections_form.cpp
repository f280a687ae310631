#include "corrections_form.h"

#include "common.h"
#include "correction_ai.h"
#include "corrections_current_in.h"
#include "corrections_current_motor.h"
#include "corrections_current_out.h"
#include "corrections_current_trans.h"
#include "corrections_voltage_in.h"
#include "corrections_voltage_motor.h"
#include "corrections_voltage_out.h"
#include "corrections_voltage_trans.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "menu_entry.h"
#include "technolog_params_menu.h"

namespace {

// Correction mode: the coefficients or the true values are entered.
const quint16 ModeId = 2085;

QList<MenuEntry> entries()
{
    return QList<MenuEntry>()
        << MenuEntry::of<CorrectionsCurrentIn>(QObject::tr("Корректировка тока на входе"))
        << MenuEntry::of<CorrectionsVoltageIn>(QObject::tr("Корректировка напряжения на входе"))
        << MenuEntry::of<CorrectionsCurrentOut>(QObject::tr("Корректировка тока на выходе"))
        << MenuEntry::of<CorrectionsVoltageOut>(QObject::tr("Корректировка напряжения на выходе"))
        << MenuEntry::of<CorrectionsCurrentTrans>(QObject::tr("Корректировка тока трансформатора"))
        << MenuEntry::of<CorrectionsVoltageTrans>(QObject::tr("Корректировка напряжения трансформатора"))
        << MenuEntry::of<CorrectionsCurrentMotor>(QObject::tr("Корректировка тока двигателя"))
        << MenuEntry::of<CorrectionsVoltageMotor>(QObject::tr("Корректировка напряжения двигателя"))
        << MenuEntry::of<CorrectionAI>(QObject::tr("Корректировка аналоговых входов"));
}

} // namespace

CorrectionsForm::CorrectionsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Корректировки"));
}

QList<BaseForm*> CorrectionsForm::createNextForm()
{
    return MenuEntry::createForms(entries());
}

void CorrectionsForm::createForm()
{
    PairList modes;
    modes.append(0, Common::getTextCalibType(0));
    modes.append(1, Common::getTextCalibType(1));
    addComboBox(ModeId, modes);
    const QList<MenuEntry> list = entries();
    for (const MenuEntry& entry : list)
        addButton(entry.text(), QPixmap());
}

void CorrectionsForm::setFormsList()
{
    BaseForm::setFormsList(createNextForm());
}

void CorrectionsForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(TechnologParamsMenu::staticMetaObject.className()));
}
