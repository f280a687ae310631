#ifndef SCADA_ZAZ_H
#define SCADA_ZAZ_H

#include "scada.h"

// Register map selected by SCADA protocol 11 (parameter 578).
class ScadaZaz : public Scada
{
    Q_OBJECT
public:
    ScadaZaz();
};

#endif // SCADA_ZAZ_H
