#include "common.h"

bool Common::checkRange(double value, double min, double max, unsigned int scale)
{
    const double s = static_cast<double>(scale);
    return s * value >= s * min - 0.5 && s * value <= s * max + 0.5;
}

float Common::calcValueToPercent(float value, float min, float max)
{
    const float span = max - min;
    if (span == 0.0f)
        return 0.0f;
    return (value - min) * 100.0f / span;
}

float Common::calcPercentToValue(float percent, float min, float max)
{
    return (max - min) * percent / 100.0f + min;
}

unsigned char Common::asciiToHex(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<unsigned char>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<unsigned char>(c - 'A' + 10);
    return 0;
}
