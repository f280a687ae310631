#ifndef CURRENT_MAIN_PARAMS_FORM_H
#define CURRENT_MAIN_PARAMS_FORM_H

#include "base_status_form.h"

#include <QTimer>

// The first current-parameter page: the station state and its chief measurements.
class CurrentMainParamsForm : public BaseStatusForm
{
    Q_OBJECT
public:
    explicit CurrentMainParamsForm(QWidget* parent = nullptr);

    // The load cell, shown while the station runs, and the turbine-frequency
    // cell, shown while it stands; they share one place.
    BaseStatusWidget* loadCell() const { return m_load; }
    BaseStatusWidget* turbineCell() const { return m_turbine; }
    const QTimer* conditionTimer() const { return &m_conditionTimer; }

public slots:
    void createForm() override;
    void slotChangedCondition();

private:
    BaseStatusWidget* m_load = nullptr;
    BaseStatusWidget* m_turbine = nullptr;
    QTimer m_conditionTimer;
};

#endif // CURRENT_MAIN_PARAMS_FORM_H
