#include "redar_aredizer.h"

RedarAredizer::RedarAredizer()
    : Scada()
{
}
