#ifndef EM_CONNECT_FORM_H
#define EM_CONNECT_FORM_H

#include "baseform.h"

// The quality of the link with the energy meter: its counters and their reset.
class EmConnectForm : public BaseForm
{
    Q_OBJECT
public:
    explicit EmConnectForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
    void showResetCountersDialog();
};

#endif // EM_CONNECT_FORM_H
