#ifndef CORRECTIONS_CURRENT_TRANS_H
#define CORRECTIONS_CURRENT_TRANS_H

#include "baseform.h"

// Calibration of the transformer currents.
class CorrectionsCurrentTrans : public BaseForm
{
    Q_OBJECT
public:
    explicit CorrectionsCurrentTrans(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // CORRECTIONS_CURRENT_TRANS_H
