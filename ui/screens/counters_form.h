#ifndef COUNTERS_FORM_H
#define COUNTERS_FORM_H

#include "baseform.h"

// The start and trip counters of the notebook, with their reset.
class CountersForm : public BaseForm
{
    Q_OBJECT
public:
    explicit CountersForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
    void resetCounters();
};

#endif // COUNTERS_FORM_H
