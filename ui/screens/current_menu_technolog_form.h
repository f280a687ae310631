#ifndef CURRENT_MENU_TECHNOLOG_FORM_H
#define CURRENT_MENU_TECHNOLOG_FORM_H

#include "base_status_form.h"

// The current-parameter page of the fourteen parameters the technologist chose
// (slots 1667 to 1680). The slots are read when the page is built: a new
// choice shows on the next carousel.
class CurrentMenuTechnologForm : public BaseStatusForm
{
    Q_OBJECT
public:
    explicit CurrentMenuTechnologForm(QWidget* parent = nullptr);

    static constexpr quint16 FirstSlotId = 1667;
    static constexpr int SlotCount = 14;

public slots:
    void createForm() override;
};

#endif // CURRENT_MENU_TECHNOLOG_FORM_H
