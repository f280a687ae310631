#ifndef UNITS_MEASURE_FORM_H
#define UNITS_MEASURE_FORM_H

#include "baseform.h"

// The units the station shows pressure, temperature, vibration, flow, motor
// power and cable cross-section in.
class UnitsMeasureForm : public BaseForm
{
    Q_OBJECT
public:
    explicit UnitsMeasureForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // UNITS_MEASURE_FORM_H
