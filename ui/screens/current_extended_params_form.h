#ifndef CURRENT_EXTENDED_PARAMS_FORM_H
#define CURRENT_EXTENDED_PARAMS_FORM_H

#include "base_status_form.h"

// The current-parameter page of the extension board.
class CurrentExtendedParamsForm : public BaseStatusForm
{
    Q_OBJECT
public:
    explicit CurrentExtendedParamsForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
};

#endif // CURRENT_EXTENDED_PARAMS_FORM_H
