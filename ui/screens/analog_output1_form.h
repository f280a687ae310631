#ifndef ANALOG_OUTPUT1_FORM_H
#define ANALOG_OUTPUT1_FORM_H

#include "analog_outputs_form.h"

// The page of analog output 1.
class AnalogOutput1Form : public AnalogOutputsForm
{
    Q_OBJECT
public:
    explicit AnalogOutput1Form(QWidget* parent = nullptr);

public slots:
    void slotParamUpdated(quint16 id) override;
};

#endif // ANALOG_OUTPUT1_FORM_H
