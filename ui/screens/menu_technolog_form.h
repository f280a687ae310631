#ifndef MENU_TECHNOLOG_FORM_H
#define MENU_TECHNOLOG_FORM_H

#include "baseform.h"
#include "pairlist.h"

// The set-up of the technologist page: where it stands in the carousel (1666)
// and the parameter each of its fourteen slots (1667 to 1680) shows.
class MenuTechnologForm : public BaseForm
{
    Q_OBJECT
public:
    explicit MenuTechnologForm(QWidget* parent = nullptr);

    // The parameters a slot may show, with their texts: the voltages as the
    // station shows them now (line or phase, parameter 1178), every other one always.
    static PairList candidates();

public slots:
    void createForm() override;
    void returnBackForm() override;

    // Adds the combo row of one slot.
    void listParamMenuTechnolog(quint16 slotId);
};

#endif // MENU_TECHNOLOG_FORM_H
