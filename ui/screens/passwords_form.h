#ifndef PASSWORDS_FORM_H
#define PASSWORDS_FORM_H

#include "baseform.h"

// Password protection, the access level granted now and the passwords of the
// three levels; F11 opens the password reset.
class PasswordsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit PasswordsForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
    void slotResetPassword();
};

#endif // PASSWORDS_FORM_H
