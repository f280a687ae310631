#ifndef SETTINGS_WIZARD_FORM_H
#define SETTINGS_WIZARD_FORM_H

#include "baseform.h"

class BaseEditWidget;

// The settings critical for running the pump (motor, transformer, cable and,
// when fitted, the output filter) that the operator must confirm before a
// start. Each row is marked while its setting is unconfirmed; every value
// entered goes to the confirmation check.
class SettingsWizardForm : public BaseForm
{
    Q_OBJECT
public:
    // Which quantity the motor inductance is computed from (0 or 1), and
    // whether an output filter is fitted.
    static constexpr quint16 IdInductanceSource = 1329;
    static constexpr quint16 IdFilterPresent = 713;

    explicit SettingsWizardForm(QWidget* parent = nullptr);

    // Whether the confirmation check holds id as confirmed; with no check
    // (the first synchronisation not done) nothing is.
    static bool isConfirmed(quint16 id);

public slots:
    void createForm() override;
    void returnBackForm() override;
    // The check may withdraw confirmations on any report of a critical value:
    // the marks follow it.
    void slotParamUpdated(quint16 id);

private:
    void addCheckedRow(quint16 id);
    static void takeMark(BaseEditWidget* row);
};

#endif // SETTINGS_WIZARD_FORM_H
