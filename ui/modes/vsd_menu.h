#ifndef VSD_MENU_H
#define VSD_MENU_H

#include "baseform.h"

// The drive menu of the equipment menu.
class VsdMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdMenu(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // VSD_MENU_H
