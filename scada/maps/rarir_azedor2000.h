#ifndef RARIR_AZEDOR2000_H
#define RARIR_AZEDOR2000_H

#include "scada.h"

// Register map selected by SCADA protocol 3 (parameter 578).
class RarirAzedor2000 : public Scada
{
    Q_OBJECT
public:
    RarirAzedor2000();
};

#endif // RARIR_AZEDOR2000_H
