#include "scada_derozivarizezu.h"

ScadaDerozivarizezu::ScadaDerozivarizezu()
    : Scada()
{
}
