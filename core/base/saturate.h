#ifndef SATURATE_H
#define SATURATE_H

#include <cmath>
#include <cstdint>
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

// The step a value stands on at a parameter's resolution (scale = 10^decimals):
// the nearest one, saturating like saturatingCast. Two values are the same at
// that resolution exactly when their steps are equal. The nearest, not the one
// below: a float lies a little off its decimal (1.402f is 1.40199995...), and
// cut toward zero it would fall on the step of 1.401, so a one-step change
// would look like none. The product is taken in double, where a float times a
// scale up to 2^29 is exact: the same step on the ARM board as on x86.
inline std::int64_t saturatingStep(double value, unsigned int scale)
{
    return saturatingRound<std::int64_t>(value * static_cast<double>(scale));
}

#endif // SATURATE_H
