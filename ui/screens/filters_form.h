#ifndef FILTERS_FORM_H
#define FILTERS_FORM_H

#include "baseform.h"

// The input and output filter page of the equipment menu: each filter's
// switch and, while it is on, its settings and temperatures.
class FiltersForm : public BaseForm
{
    Q_OBJECT
public:
    explicit FiltersForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
    void slotParamUpdated(quint16 id);
};

#endif // FILTERS_FORM_H
