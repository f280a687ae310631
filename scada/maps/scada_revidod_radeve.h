#ifndef SCADA_REVIDOD_RADEVE_H
#define SCADA_REVIDOD_RADEVE_H

#include "scada.h"

// Register map selected by SCADA protocol 10 (parameter 578).
class ScadaRevidodRadeve : public Scada
{
    Q_OBJECT
public:
    ScadaRevidodRadeve();
};

#endif // SCADA_REVIDOD_RADEVE_H
