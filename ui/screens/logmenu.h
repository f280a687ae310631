#ifndef LOGMENU_H
#define LOGMENU_H

#include "baseform.h"

// The archive menu of the main menu.
class LogMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit LogMenu(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // LOGMENU_H
