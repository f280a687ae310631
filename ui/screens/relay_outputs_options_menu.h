#ifndef RELAY_OUTPUTS_OPTIONS_MENU_H
#define RELAY_OUTPUTS_OPTIONS_MENU_H

#include "menu_form.h"

// The relay outputs of the equipment menu: relays 1 to 4 always, 5 to 12 with
// the extension board (1644). The menu follows 1644, so button k always opens
// relay k.
class RelayOutputsOptionsMenu : public MenuForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptionsMenu(QWidget* parent = nullptr);

    // New relay pages under the value of 1644 now, in button order.
    static QList<BaseForm*> createNextForm();

public slots:
    void setFormsList() override;
    void createForm() override;
    void returnBackForm() override;

protected:
    QList<MenuEntry> menuEntries() const override;
    QList<BaseForm*> createLevel() const override;
};

#endif // RELAY_OUTPUTS_OPTIONS_MENU_H
