#ifndef CURRENT_INPUTS_PARAMS_FORM_H
#define CURRENT_INPUTS_PARAMS_FORM_H

#include "base_status_form.h"

// The current-parameter page of the analog and digital inputs. The unit beside
// an analog input's value follows what the input measures, its unit and its
// signal type.
class CurrentInputsParamsForm : public BaseStatusForm
{
    Q_OBJECT
public:
    explicit CurrentInputsParamsForm(QWidget* parent = nullptr);

    static constexpr int AnalogInputs = 4;
    BaseStatusWidget* analogInputCell(int input) const;

public slots:
    void createForm() override;
    void slotParamUpdated(quint16 id);

private:
    void updateUnit(int input);

    BaseStatusWidget* m_analog[AnalogInputs] = {};
};

#endif // CURRENT_INPUTS_PARAMS_FORM_H
