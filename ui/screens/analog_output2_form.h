#ifndef ANALOG_OUTPUT2_FORM_H
#define ANALOG_OUTPUT2_FORM_H

#include "analog_outputs_form.h"

// The page of analog output 2.
class AnalogOutput2Form : public AnalogOutputsForm
{
    Q_OBJECT
public:
    explicit AnalogOutput2Form(QWidget* parent = nullptr);

public slots:
    void slotParamUpdated(quint16 id) override;
};

#endif // ANALOG_OUTPUT2_FORM_H
