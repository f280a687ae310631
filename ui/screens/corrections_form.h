#ifndef CORRECTIONS_FORM_H
#define CORRECTIONS_FORM_H

#include "baseform.h"

// The calibration corrections of the technologist settings: how corrections
// are made (2085), then the eight correction screens and the analog inputs.
class CorrectionsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit CorrectionsForm(QWidget* parent = nullptr);

    // New correction screens, in button order.
    static QList<BaseForm*> createNextForm();

public slots:
    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;
};

#endif // CORRECTIONS_FORM_H
