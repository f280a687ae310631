#include "virid_ir_idur.h"

ViridIrIdur::ViridIrIdur()
    : Scada()
{
}
