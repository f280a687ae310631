#ifndef VIRID_IR_IDUR_H
#define VIRID_IR_IDUR_H

#include "scada.h"

// Register map selected by SCADA protocol 9 (parameter 578).
class ViridIrIdur : public Scada
{
    Q_OBJECT
public:
    ViridIrIdur();
};

#endif // VIRID_IR_IDUR_H
