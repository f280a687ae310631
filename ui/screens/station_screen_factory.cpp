#include "station_screen_factory.h"

#include "current_params_menu.h"
#include "mainmenu.h"
#include "settings_wizard_form.h"

BaseForm* StationScreenFactory::createMainMenu() const
{
    return new MainMenu;
}

QList<BaseForm*> StationScreenFactory::createStatusPages() const
{
    return CurrentParamsMenu::createNextForm();
}

BaseForm* StationScreenFactory::createSettingsWizard() const
{
    return new SettingsWizardForm;
}
