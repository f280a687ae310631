#ifndef BYPASS_CONTACTORS_FORM_H
#define BYPASS_CONTACTORS_FORM_H

#include "baseform.h"

// The bypass-contactor page of the equipment menu (drives that have them).
class BypassContactorsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit BypassContactorsForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // BYPASS_CONTACTORS_FORM_H
