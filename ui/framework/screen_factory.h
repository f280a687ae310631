#ifndef SCREEN_FACTORY_H
#define SCREEN_FACTORY_H

#include <QList>

class BaseForm;

// The screens the framework opens by itself: the window at start-up, on the
// Start key, on an idle return and after the block and restart screens; the
// status pages when the operator goes back from them. The screens stand on a
// floor above the framework, so the program hands their maker to the window.
// Every call builds new screens, without parent; the caller passes them on.
class ScreenFactory
{
public:
    virtual ~ScreenFactory() = default;

    virtual BaseForm* createMainMenu() const = 0;
    // The current-parameter pages, the status carousel, in page order.
    virtual QList<BaseForm*> createStatusPages() const = 0;
    virtual BaseForm* createSettingsWizard() const = 0;
};

#endif // SCREEN_FACTORY_H
