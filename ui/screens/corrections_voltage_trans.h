#ifndef CORRECTIONS_VOLTAGE_TRANS_H
#define CORRECTIONS_VOLTAGE_TRANS_H

#include "baseform.h"

// Calibration of the transformer voltages.
class CorrectionsVoltageTrans : public BaseForm
{
    Q_OBJECT
public:
    explicit CorrectionsVoltageTrans(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // CORRECTIONS_VOLTAGE_TRANS_H
