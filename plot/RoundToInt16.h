#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace quorvane {

// Rounds to the nearest integer, ties to even, into 16 bits. Values beyond the
// range are held at its ends and NaN gives 0, so no input is undefined.
// Ties to even comes from the default rounding mode, which nothing here changes.
inline std::int16_t RoundToInt16(double value)
{
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);
    if (rounded <= lowest)
        return std::numeric_limits<std::int16_t>::min();
    if (rounded >= highest)
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(rounded);
}

}  // namespace quorvane
