#ifndef CURRENT_DHS_PARAMS_FORM_H
#define CURRENT_DHS_PARAMS_FORM_H

#include "base_status_form.h"

// The current-parameter page of the downhole sensors.
class CurrentDhsParamsForm : public BaseStatusForm
{
    Q_OBJECT
public:
    explicit CurrentDhsParamsForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
};

#endif // CURRENT_DHS_PARAMS_FORM_H
