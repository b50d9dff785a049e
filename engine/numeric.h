// Conversions from float to integer fields: truncation toward zero, saturating
// at the field's limits instead of converting out of range.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace numeric {

template <typename Int> Int truncSaturate(double value) {
    constexpr double lo = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr double hi = static_cast<double>(std::numeric_limits<Int>::max());
    if (std::isnan(value)) return 0;
    if (value <= lo) return std::numeric_limits<Int>::min();
    if (value >= hi) return std::numeric_limits<Int>::max();
    return static_cast<Int>(value);
}

inline std::int16_t toInt16(float value) {
    return truncSaturate<std::int16_t>(value);
}
inline std::int32_t toInt32(float value) {
    return truncSaturate<std::int32_t>(value);
}
inline std::int32_t toInt32(double value) {
    return truncSaturate<std::int32_t>(value);
}

} // namespace numeric
