#include "energy_consumption_form.h"

#include "mainmenu.h"
#include "mainwindow.h"
#include "notebook_menu.h"
#include "screen_command.h"

namespace {

// The command that resets the consumed energy.
const quint16 ResetEnergyId = 852;

// Previous and current day, previous and current month, previous and current year.
const quint16 EnergyIds[] = {20032, 20030, 20036, 20034, 20051, 20052};

} // namespace

EnergyConsumptionForm::EnergyConsumptionForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Потребление активной электоэнергии"));
}

void EnergyConsumptionForm::createForm()
{
    for (quint16 id : EnergyIds)
        addStatusNum(id, false);
    // The day of the month on which the accounting period starts.
    addEdit(851);
    addButton(QObject::tr("Сброс потреблёной активной электоэнергии"), SLOT(resetEnergyConsumption()), QPixmap());
}

void EnergyConsumptionForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(NotebookMenu::staticMetaObject.className()));
}

void EnergyConsumptionForm::resetEnergyConsumption()
{
    ScreenCommand::run(this, ResetEnergyId, 3, QObject::tr("Сбросить потребленую активную электоэнергию?"),
                       ScreenCommand::CheckAccess);
}
