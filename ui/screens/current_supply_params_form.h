#ifndef CURRENT_SUPPLY_PARAMS_FORM_H
#define CURRENT_SUPPLY_PARAMS_FORM_H

#include "base_status_form.h"

// The current-parameter page of the supply network.
class CurrentSupplyParamsForm : public BaseStatusForm
{
    Q_OBJECT
public:
    explicit CurrentSupplyParamsForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
};

#endif // CURRENT_SUPPLY_PARAMS_FORM_H
