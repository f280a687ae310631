#ifndef RELAY_OUTPUTS_OPTIONS10_FORM_H
#define RELAY_OUTPUTS_OPTIONS10_FORM_H

#include "relay_outputs_options_form.h"

// The page of relay output 10.
class RelayOutputsOptions10Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions10Form(QWidget* parent = nullptr);

public slots:
    void slotParamUpdated(quint16 id) override;
};

#endif // RELAY_OUTPUTS_OPTIONS10_FORM_H
