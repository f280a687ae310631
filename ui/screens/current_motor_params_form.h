#ifndef CURRENT_MOTOR_PARAMS_FORM_H
#define CURRENT_MOTOR_PARAMS_FORM_H

#include "base_status_form.h"

// The current-parameter page of the motor.
class CurrentMotorParamsForm : public BaseStatusForm
{
    Q_OBJECT
public:
    explicit CurrentMotorParamsForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
};

#endif // CURRENT_MOTOR_PARAMS_FORM_H
