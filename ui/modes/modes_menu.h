#ifndef MODES_MENU_H
#define MODES_MENU_H

#include "baseform.h"

// The running-modes menu of the technologist settings.
class ModesMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit ModesMenu(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // MODES_MENU_H
