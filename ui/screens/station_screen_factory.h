#ifndef STATION_SCREEN_FACTORY_H
#define STATION_SCREEN_FACTORY_H

#include "screen_factory.h"

// The station's screens as the window opens them: the main menu, the
// current-parameter pages and the settings wizard.
class StationScreenFactory : public ScreenFactory
{
public:
    BaseForm* createMainMenu() const override;
    QList<BaseForm*> createStatusPages() const override;
    BaseForm* createSettingsWizard() const override;
};

#endif // STATION_SCREEN_FACTORY_H
