#ifndef RELAY_OUTPUTS_OPTIONS11_FORM_H
#define RELAY_OUTPUTS_OPTIONS11_FORM_H

#include "relay_outputs_options_form.h"

// The page of relay output 11.
class RelayOutputsOptions11Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions11Form(QWidget* parent = nullptr);

public slots:
    void slotParamUpdated(quint16 id) override;
};

#endif // RELAY_OUTPUTS_OPTIONS11_FORM_H
