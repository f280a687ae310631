#ifndef RELAY_OUTPUTS_OPTIONS6_FORM_H
#define RELAY_OUTPUTS_OPTIONS6_FORM_H

#include "relay_outputs_options_form.h"

// The page of relay output 6.
class RelayOutputsOptions6Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions6Form(QWidget* parent = nullptr);

public slots:
    void slotParamUpdated(quint16 id) override;
};

#endif // RELAY_OUTPUTS_OPTIONS6_FORM_H
