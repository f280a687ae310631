#include "scada_zaz.h"

ScadaZaz::ScadaZaz()
    : Scada()
{
}
