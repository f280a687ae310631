#ifndef CORRECTIONS_CURRENT_MOTOR_H
#define CORRECTIONS_CURRENT_MOTOR_H

#include "baseform.h"

// Calibration of the motor currents.
class CorrectionsCurrentMotor : public BaseForm
{
    Q_OBJECT
public:
    explicit CorrectionsCurrentMotor(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // CORRECTIONS_CURRENT_MOTOR_H
