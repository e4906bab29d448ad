#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

// Truncation toward zero into 32 bits. Positions read from a file may lie
// anywhere in the 32-bit range and a scale can carry them beyond it: such
// values stick to the ends of the range instead of wrapping.
inline int32_t Tronquer(double v)
{
    constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(kMax32))
        return kMax32;
    if (v <= static_cast<double>(kMin32))
        return kMin32;
    return static_cast<int32_t>(v);
}

// An exact integer result brought back into 32 bits, sticking to the ends.
inline int32_t Borner(int64_t v)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}
