#ifndef SATURATE_H
#define SATURATE_H

#include <cmath>
#include <limits>
#include <type_traits>

// The one way a parameter value becomes an integer. A plain cast of a NaN or an
// out-of-range float is undefined behaviour and gives different results on the
// station's ARM board and on x86; this gives the same everywhere: NaN is 0 and
// values beyond the target type stick to its limits. The fraction is dropped
// (truncation toward zero), as a C cast would for values in range.
template <typename T>
T saturatingCast(double value)
{
    static_assert(std::is_integral<T>::value, "integer targets only");
    if (std::isnan(value))
        return 0;
    // Compare in double: the limits of 64-bit types round up to a power of two,
    // so ">=" keeps the cast below in range.
    const double lo = static_cast<double>(std::numeric_limits<T>::min());
    const double hi = static_cast<double>(std::numeric_limits<T>::max());
    if (value <= lo)
        return std::numeric_limits<T>::min();
    if (value >= hi)
        return std::numeric_limits<T>::max();
    return static_cast<T>(value);
}

inline int saturatingInt(double value) { return saturatingCast<int>(value); }
inline unsigned int saturatingUInt(double value) { return saturatingCast<unsigned int>(value); }

// Rounds halves away from zero, then saturates like saturatingCast.
template <typename T>
T saturatingRound(double value)
{
    return saturatingCast<T>(std::round(value));
}

#endif // SATURATE_H
