#ifndef RAWBITS_H
#define RAWBITS_H

#include <QtGlobal>
#include <cstring>

// A parameter value travels as 32 raw bits; most parameters read them as an
// IEEE-754 float. These two keep the reinterpretation well defined.
inline float floatFromBits(quint32 raw)
{
    float f;
    std::memcpy(&f, &raw, sizeof f);
    return f;
}

inline quint32 bitsFromFloat(float value)
{
    quint32 raw;
    std::memcpy(&raw, &value, sizeof raw);
    return raw;
}

#endif // RAWBITS_H
