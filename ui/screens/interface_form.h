#ifndef INTERFACE_FORM_H
#define INTERFACE_FORM_H

#include "baseform.h"

// Language, oil-company profile, screen behaviour, backlight, what a USB
// drive does when plugged in, and the lock of the Start key.
class InterfaceForm : public BaseForm
{
    Q_OBJECT
public:
    explicit InterfaceForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // INTERFACE_FORM_H
