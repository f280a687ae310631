#ifndef CURRENT_MOTOR_MODEL_PARAMS_FORM_H
#define CURRENT_MOTOR_MODEL_PARAMS_FORM_H

#include "base_status_form.h"

// The current-parameter page of the motor as the model computes it.
class CurrentMotorModelParamsForm : public BaseStatusForm
{
    Q_OBJECT
public:
    explicit CurrentMotorModelParamsForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
};

#endif // CURRENT_MOTOR_MODEL_PARAMS_FORM_H
