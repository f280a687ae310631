#ifndef RELAY_OUTPUTS_OPTIONS3_FORM_H
#define RELAY_OUTPUTS_OPTIONS3_FORM_H

#include "relay_outputs_options_form.h"

// The page of relay output 3.
class RelayOutputsOptions3Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions3Form(QWidget* parent = nullptr);

public slots:
    void slotParamUpdated(quint16 id) override;
};

#endif // RELAY_OUTPUTS_OPTIONS3_FORM_H
