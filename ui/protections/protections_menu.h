#ifndef PROTECTIONS_MENU_H
#define PROTECTIONS_MENU_H

#include "baseform.h"

// The protections menu of the main menu.
class ProtectionsMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit ProtectionsMenu(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // PROTECTIONS_MENU_H
