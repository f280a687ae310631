#ifndef RELAY_OUTPUTS_OPTIONS12_FORM_H
#define RELAY_OUTPUTS_OPTIONS12_FORM_H

#include "relay_outputs_options_form.h"

// The page of relay output 12.
class RelayOutputsOptions12Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions12Form(QWidget* parent = nullptr);

public slots:
    void slotParamUpdated(quint16 id) override;
};

#endif // RELAY_OUTPUTS_OPTIONS12_FORM_H
