#ifndef DHS_MENU_H
#define DHS_MENU_H

#include "baseform.h"

// The downhole-sensor menu of the equipment menu.
class DhsMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit DhsMenu(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // DHS_MENU_H
