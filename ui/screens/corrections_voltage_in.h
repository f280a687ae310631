#ifndef CORRECTIONS_VOLTAGE_IN_H
#define CORRECTIONS_VOLTAGE_IN_H

#include "baseform.h"

// Calibration of the input voltages.
class CorrectionsVoltageIn : public BaseForm
{
    Q_OBJECT
public:
    explicit CorrectionsVoltageIn(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // CORRECTIONS_VOLTAGE_IN_H
