#ifndef TECHNOLOG_PARAMS_MENU_H
#define TECHNOLOG_PARAMS_MENU_H

#include "menu_form.h"

// The technologist settings: running modes, calibration corrections, the technologist page.
class TechnologParamsMenu : public MenuForm
{
    Q_OBJECT
public:
    explicit TechnologParamsMenu(QWidget* parent = nullptr);

    // New instances of the screens of this menu, in button order.
    static QList<BaseForm*> createNextForm();

public slots:
    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;

protected:
    QList<MenuEntry> menuEntries() const override;
};

#endif // TECHNOLOG_PARAMS_MENU_H
