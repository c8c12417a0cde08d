#pragma once

// The straightforward forms of what the program computes another way for
// speed, kept as references that the fast forms must match bit for bit.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>

#include "plot/SpectrumExtremes.h"

namespace quorvane::straightforward {

// Rounding as nearbyint does it, held at the 16-bit ends, NaN to 0.
inline std::int16_t NearestInt16(double value)
{
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value))
        return 0;
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(value), lowest, highest));
}

// One pass over the values.
inline Extremes FindExtremes(std::span<const double> values)
{
    double top = -1e12;
    double bottom = 1e12;
    for (const double v : values) {
        bottom = std::min(bottom, v);
        top = std::max(top, v);
    }
    return {top, bottom};
}

}  // namespace quorvane::straightforward
