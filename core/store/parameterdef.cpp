#include "parameterdef.h"
#include "rawbits.h"

#include <cmath>

float ParameterDef::valueFloat() const
{
    return floatFromBits(value.load());
}

bool ParameterDef::isValidRaw(quint32 raw, quint32 physic)
{
    if (raw == InvalidValue)
        return false;
    return !(std::isnan(floatFromBits(raw)) && physic != 1);
}
