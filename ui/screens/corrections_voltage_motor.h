#ifndef CORRECTIONS_VOLTAGE_MOTOR_H
#define CORRECTIONS_VOLTAGE_MOTOR_H

#include "baseform.h"

// Calibration of the motor voltages.
class CorrectionsVoltageMotor : public BaseForm
{
    Q_OBJECT
public:
    explicit CorrectionsVoltageMotor(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // CORRECTIONS_VOLTAGE_MOTOR_H
