#include "scada_vovuvuzir.h"

ScadaVovuvuzir::ScadaVovuvuzir()
    : Scada()
{
}
