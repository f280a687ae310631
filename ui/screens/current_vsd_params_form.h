#ifndef CURRENT_VSD_PARAMS_FORM_H
#define CURRENT_VSD_PARAMS_FORM_H

#include "base_status_form.h"

class BaseEditWidget;

// The current-parameter page of the drive. Its one editable row, the frequency
// setpoint, is edited with Enter on the page.
class CurrentVsdParamsForm : public BaseStatusForm
{
    Q_OBJECT
public:
    explicit CurrentVsdParamsForm(QWidget* parent = nullptr);

    BaseEditWidget* setpointEdit() const { return m_setpoint; }

public slots:
    void createForm() override;

private:
    BaseEditWidget* m_setpoint = nullptr;
};

#endif // CURRENT_VSD_PARAMS_FORM_H
