#ifndef SCADA_VORIVU_H
#define SCADA_VORIVU_H

#include "scada.h"

// Register map selected by SCADA protocol 5 (parameter 578).
class ScadaVorivu : public Scada
{
    Q_OBJECT
public:
    ScadaVorivu();
};

#endif // SCADA_VORIVU_H
