#ifndef NOTEBOOK_MENU_H
#define NOTEBOOK_MENU_H

#include "menu_form.h"

// The notebook: the well, counters, statistics, the control station and the consumed energy.
class NotebookMenu : public MenuForm
{
    Q_OBJECT
public:
    explicit NotebookMenu(QWidget* parent = nullptr);

    // New instances of the screens of this menu, in button order.
    static QList<BaseForm*> createNextForm();

public slots:
    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;

protected:
    QList<MenuEntry> menuEntries() const override;
};

#endif // NOTEBOOK_MENU_H
