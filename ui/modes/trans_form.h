#ifndef TRANS_FORM_H
#define TRANS_FORM_H

#include "baseform.h"

// The step-up transformer page of the equipment menu.
class TransForm : public BaseForm
{
    Q_OBJECT
public:
    explicit TransForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // TRANS_FORM_H
