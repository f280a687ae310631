#include "scada_revidod_radeve.h"

ScadaRevidodRadeve::ScadaRevidodRadeve()
    : Scada()
{
}
