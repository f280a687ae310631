#ifndef MAINMENU_H
#define MAINMENU_H

#include "menu_form.h"

// The main menu: the seven first-level screens of the station, each with its icon.
class MainMenu : public MenuForm
{
    Q_OBJECT
public:
    explicit MainMenu(QWidget* parent = nullptr);

    // New instances of the first-level screens, in button order.
    static QList<BaseForm*> createNextForm();

public slots:
    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;

protected:
    QList<MenuEntry> menuEntries() const override;
};

#endif // MAINMENU_H
