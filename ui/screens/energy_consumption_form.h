#ifndef ENERGY_CONSUMPTION_FORM_H
#define ENERGY_CONSUMPTION_FORM_H

#include "baseform.h"

// The consumed active energy of the notebook: by day, month and year, the day
// the accounting period starts, and the reset.
class EnergyConsumptionForm : public BaseForm
{
    Q_OBJECT
public:
    explicit EnergyConsumptionForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
    void resetEnergyConsumption();
};

#endif // ENERGY_CONSUMPTION_FORM_H
