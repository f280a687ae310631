#ifndef ANALOG_OUTPUT3_FORM_H
#define ANALOG_OUTPUT3_FORM_H

#include "analog_outputs_form.h"

// The page of analog output 3.
class AnalogOutput3Form : public AnalogOutputsForm
{
    Q_OBJECT
public:
    explicit AnalogOutput3Form(QWidget* parent = nullptr);

public slots:
    void slotParamUpdated(quint16 id) override;
};

#endif // ANALOG_OUTPUT3_FORM_H
