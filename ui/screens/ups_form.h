#ifndef UPS_FORM_H
#define UPS_FORM_H

#include "baseform.h"

// How long the controller, this program and the display backlight keep
// running on the battery of the uninterruptible power supply.
class UpsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit UpsForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // UPS_FORM_H
