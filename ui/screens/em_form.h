#ifndef EM_FORM_H
#define EM_FORM_H

#include "baseform.h"

// The energy-meter page of the equipment menu: the meter type and, with a
// meter, its current-transformer ratio, the source of the supply voltages and
// the page of its link quality.
class EmForm : public BaseForm
{
    Q_OBJECT
public:
    explicit EmForm(QWidget* parent = nullptr);

    // The link page, new: the one child of the page's button.
    static QList<BaseForm*> createNextForm();

public slots:
    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;
    void slotParamUpdated(quint16 id);
};

#endif // EM_FORM_H
