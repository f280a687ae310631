#ifndef MOTOR_FORM_H
#define MOTOR_FORM_H

#include "baseform.h"

// The motor page of the equipment menu.
class MotorForm : public BaseForm
{
    Q_OBJECT
public:
    explicit MotorForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // MOTOR_FORM_H
