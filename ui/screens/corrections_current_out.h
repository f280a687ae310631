#ifndef CORRECTIONS_CURRENT_OUT_H
#define CORRECTIONS_CURRENT_OUT_H

#include "baseform.h"

// Calibration of the output currents of the station.
class CorrectionsCurrentOut : public BaseForm
{
    Q_OBJECT
public:
    explicit CorrectionsCurrentOut(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // CORRECTIONS_CURRENT_OUT_H
