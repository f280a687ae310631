#ifndef RELAY_OUTPUTS_OPTIONS2_FORM_H
#define RELAY_OUTPUTS_OPTIONS2_FORM_H

#include "relay_outputs_options_form.h"

// The page of relay output 2.
class RelayOutputsOptions2Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions2Form(QWidget* parent = nullptr);

public slots:
    void slotParamUpdated(quint16 id) override;
};

#endif // RELAY_OUTPUTS_OPTIONS2_FORM_H
