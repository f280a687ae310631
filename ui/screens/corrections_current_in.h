#ifndef CORRECTIONS_CURRENT_IN_H
#define CORRECTIONS_CURRENT_IN_H

#include "baseform.h"

// Calibration of the input currents.
class CorrectionsCurrentIn : public BaseForm
{
    Q_OBJECT
public:
    explicit CorrectionsCurrentIn(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // CORRECTIONS_CURRENT_IN_H
