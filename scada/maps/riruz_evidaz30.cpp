#include "riruz_evidaz30.h"

RiruzEvidaz30::RiruzEvidaz30()
    : Scada()
{
}
