#ifndef OPTIONS_MENU_H
#define OPTIONS_MENU_H

#include "menu_form.h"

// The settings menu: system, passwords, SCADA link, units, interface, configurations, UPS.
class OptionsMenu : public MenuForm
{
    Q_OBJECT
public:
    explicit OptionsMenu(QWidget* parent = nullptr);

    // New instances of the screens of this menu, in button order.
    static QList<BaseForm*> createNextForm();

public slots:
    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;

protected:
    QList<MenuEntry> menuEntries() const override;
};

#endif // OPTIONS_MENU_H
