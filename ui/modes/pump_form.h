#ifndef PUMP_FORM_H
#define PUMP_FORM_H

#include "baseform.h"

// The pump page of the equipment menu.
class PumpForm : public BaseForm
{
    Q_OBJECT
public:
    explicit PumpForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // PUMP_FORM_H
