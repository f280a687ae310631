#ifndef CORRECTIONS_VOLTAGE_OUT_H
#define CORRECTIONS_VOLTAGE_OUT_H

#include "baseform.h"

// Calibration of the output voltages of the station.
class CorrectionsVoltageOut : public BaseForm
{
    Q_OBJECT
public:
    explicit CorrectionsVoltageOut(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // CORRECTIONS_VOLTAGE_OUT_H
