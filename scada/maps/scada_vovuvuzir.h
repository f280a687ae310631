#ifndef SCADA_VOVUVUZIR_H
#define SCADA_VOVUVUZIR_H

#include "scada.h"

// Register map selected by SCADA protocol 6 (parameter 578).
class ScadaVovuvuzir : public Scada
{
    Q_OBJECT
public:
    ScadaVovuvuzir();
};

#endif // SCADA_VOVUVUZIR_H
