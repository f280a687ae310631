#ifndef CURRENT_OUTPUT_AND_TRANS_PARAMS_MODEL_FORM_H
#define CURRENT_OUTPUT_AND_TRANS_PARAMS_MODEL_FORM_H

#include "base_status_form.h"

// The current-parameter page of the station output and the transformer as the model computes them.
class CurrentOutputAndTransParamsModelForm : public BaseStatusForm
{
    Q_OBJECT
public:
    explicit CurrentOutputAndTransParamsModelForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
};

#endif // CURRENT_OUTPUT_AND_TRANS_PARAMS_MODEL_FORM_H
