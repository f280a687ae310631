#ifndef RIRUZ_EVIDAZ30_H
#define RIRUZ_EVIDAZ30_H

#include "scada.h"

// Register map selected by SCADA protocols 2, 8 and 12 (parameter 578).
class RiruzEvidaz30 : public Scada
{
    Q_OBJECT
public:
    RiruzEvidaz30();
};

#endif // RIRUZ_EVIDAZ30_H
