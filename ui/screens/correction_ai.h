#ifndef CORRECTION_AI_H
#define CORRECTION_AI_H

#include "baseform.h"

// Calibration of analog inputs 5 to 8: signal type, sign, offset and
// coefficient of each, with the value it gives.
class CorrectionAI : public BaseForm
{
    Q_OBJECT
public:
    explicit CorrectionAI(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // CORRECTION_AI_H
