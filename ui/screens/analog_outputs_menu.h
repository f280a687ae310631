#ifndef ANALOG_OUTPUTS_MENU_H
#define ANALOG_OUTPUTS_MENU_H

#include "menu_form.h"

// The analog outputs of the extension board, one page each.
class AnalogOutputsMenu : public MenuForm
{
    Q_OBJECT
public:
    explicit AnalogOutputsMenu(QWidget* parent = nullptr);

    // New pages of the four outputs, in button order.
    static QList<BaseForm*> createNextForm();

public slots:
    void setFormsList() override;
    void createForm() override;
    void returnBackForm() override;

protected:
    QList<MenuEntry> menuEntries() const override;
};

#endif // ANALOG_OUTPUTS_MENU_H
