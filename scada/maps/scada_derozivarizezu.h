#ifndef SCADA_DEROZIVARIZEZU_H
#define SCADA_DEROZIVARIZEZU_H

#include "scada.h"

// Register map selected by SCADA protocol 7 (parameter 578).
class ScadaDerozivarizezu : public Scada
{
    Q_OBJECT
public:
    ScadaDerozivarizezu();
};

#endif // SCADA_DEROZIVARIZEZU_H
