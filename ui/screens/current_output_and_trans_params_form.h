#ifndef CURRENT_OUTPUT_AND_TRANS_PARAMS_FORM_H
#define CURRENT_OUTPUT_AND_TRANS_PARAMS_FORM_H

#include "base_status_form.h"

// The current-parameter page of the station output and the transformer.
class CurrentOutputAndTransParamsForm : public BaseStatusForm
{
    Q_OBJECT
public:
    explicit CurrentOutputAndTransParamsForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
};

#endif // CURRENT_OUTPUT_AND_TRANS_PARAMS_FORM_H
