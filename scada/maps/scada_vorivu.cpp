#include "scada_vorivu.h"

ScadaVorivu::ScadaVorivu()
    : Scada()
{
}
