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
    if (value <= lowest)
        return std::numeric_limits<std::int16_t>::min();
    if (value >= highest)
        return std::numeric_limits<std::int16_t>::max();
    // Adding and taking away 2^52 leaves a value of this size rounded to an
    // integer in the current mode, as nearbyint does, without the libm call
    // that nearbyint becomes on processors without SSE4.1 (every trace sample
    // is rounded here).
    constexpr double kShift = 0x1p52;
    const double rounded = value >= 0.0 ? (value + kShift) - kShift : (value - kShift) + kShift;
    return static_cast<std::int16_t>(rounded);
}

}  // namespace quorvane
