#ifndef BASEPROTECTIONFORM_H
#define BASEPROTECTIONFORM_H

#include "baseform.h"

// The base of the protection and drive setting screens: a button that asks the
// controller to restore one protection's default settings.
class BaseProtectionForm : public BaseForm
{
    Q_OBJECT
public:
    explicit BaseProtectionForm(QWidget* parent = nullptr);

    PushButton* addButtonResetDefault(quint16 id);
    quint16 resetId() const { return m_resetId; }

public slots:
    void showResetDefaultDialog();

private:
    quint16 m_resetId = 0;
};

#endif // BASEPROTECTIONFORM_H
