#ifndef EQUIPMENT_MENU_H
#define EQUIPMENT_MENU_H

#include "menu_form.h"

// The equipment menu: motor, transformer, drive, sensors, energy meter,
// filters, pump, outputs and, with the drives that have them, the bypass
// contactors. The analog outputs need the extension board (1644); the bypass
// contactors depend on the drive type (685) and on 10504.
class EquipmentMenu : public MenuForm
{
    Q_OBJECT
public:
    explicit EquipmentMenu(QWidget* parent = nullptr);

    // The equipment screens under the values of now, in button order.
    static QList<BaseForm*> createNextForm();

public slots:
    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;

protected:
    QList<MenuEntry> menuEntries() const override;
    QList<BaseForm*> createLevel() const override;
};

#endif // EQUIPMENT_MENU_H
