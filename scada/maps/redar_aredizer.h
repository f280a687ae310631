#ifndef REDAR_AREDIZER_H
#define REDAR_AREDIZER_H

#include "scada.h"

// Register map selected by SCADA protocol 4 (parameter 578).
class RedarAredizer : public Scada
{
    Q_OBJECT
public:
    RedarAredizer();
};

#endif // REDAR_AREDIZER_H
