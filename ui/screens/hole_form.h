#ifndef HOLE_FORM_H
#define HOLE_FORM_H

#include "baseform.h"

// The well page of the notebook: the numbers of the oil-field shop, the well
// pad and the well and, when the station is told to use them (1663), their names.
class HoleForm : public BaseForm
{
    Q_OBJECT
public:
    explicit HoleForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
    void slotParamUpdated(quint16 id);
};

#endif // HOLE_FORM_H
