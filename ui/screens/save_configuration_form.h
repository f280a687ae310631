#ifndef SAVE_CONFIGURATION_FORM_H
#define SAVE_CONFIGURATION_FORM_H

#include "baseform.h"

// Saves the setpoints into one of the five profiles.
class SaveConfigurationForm : public BaseForm
{
    Q_OBJECT
public:
    explicit SaveConfigurationForm(QWidget* parent = nullptr);

    void showSaveDialog(int profile);

public slots:
    void createForm() override;
    void returnBackForm() override;
    void saveConfig1();
    void saveConfig2();
    void saveConfig3();
    void saveConfig4();
    void saveConfig5();
};

#endif // SAVE_CONFIGURATION_FORM_H
