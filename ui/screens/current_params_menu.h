#ifndef CURRENT_PARAMS_MENU_H
#define CURRENT_PARAMS_MENU_H

#include "menu_form.h"

// The menu of the current-parameter pages. Its entries mirror the page list,
// which depends on the technologist page mode (1666), the model pages (1518)
// and the extension board (1644); opening entry k shows page k of the whole
// list, so Left and Right then page through all of them.
class CurrentParamsMenu : public MenuForm
{
    Q_OBJECT
public:
    explicit CurrentParamsMenu(QWidget* parent = nullptr);

    // The current-parameter pages under the values of now, new each call: the
    // carousel of the status screens. The buttons of this menu come from the
    // same list of entries.
    static QList<BaseForm*> createNextForm();

public slots:
    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;

protected:
    QList<MenuEntry> menuEntries() const override;
    QList<BaseForm*> createLevel() const override;
};

#endif // CURRENT_PARAMS_MENU_H
