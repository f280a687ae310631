#ifndef LOAD_CONFIGURATION_FORM_H
#define LOAD_CONFIGURATION_FORM_H

#include "baseform.h"

// Loads the setpoints from one of the profiles stored; only those are offered.
class LoadConfigurationForm : public BaseForm
{
    Q_OBJECT
public:
    explicit LoadConfigurationForm(QWidget* parent = nullptr);

    void showLoadDialog(int profile);

public slots:
    void createForm() override;
    void returnBackForm() override;
    void showWarning();
    void loadConfig1();
    void loadConfig2();
    void loadConfig3();
    void loadConfig4();
    void loadConfig5();
};

#endif // LOAD_CONFIGURATION_FORM_H
