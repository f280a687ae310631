#ifndef ANALOG_OUTPUT4_FORM_H
#define ANALOG_OUTPUT4_FORM_H

#include "analog_outputs_form.h"

// The page of analog output 4.
class AnalogOutput4Form : public AnalogOutputsForm
{
    Q_OBJECT
public:
    explicit AnalogOutput4Form(QWidget* parent = nullptr);

public slots:
    void slotParamUpdated(quint16 id) override;
};

#endif // ANALOG_OUTPUT4_FORM_H
