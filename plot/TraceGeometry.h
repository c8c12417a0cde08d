#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace quorvane {

// Where the trace plot puts samples: one every Step twips from the left edge,
// the first being StartSample. The readout finds the sample under the pointer
// with the same arithmetic, so it names the very sample drawn there.

inline constexpr float kSamplesAcrossAtZoom1 = 512.0f;

// Worked out in single precision, as the width is, and only then widened. A
// zoom below 1 has no step.
inline double TraceStep(float width, std::int16_t zoom)
{
    if (zoom < 1)
        return 0;
    const float perZoom = width / static_cast<float>(zoom);
    return static_cast<double>(std::floor(perZoom / kSamplesAcrossAtZoom1));
}

// The product of two 16-bit values always fits in 32 bits; holding it at the
// 16-bit ends keeps an absurd scroll from wrapping back into the buffer.
inline std::int16_t StartSample(std::int16_t scroll, std::int16_t zoom)
{
    const std::int32_t product = static_cast<std::int32_t>(scroll) * zoom;
    constexpr std::int32_t lowest = std::numeric_limits<std::int16_t>::min();
    constexpr std::int32_t highest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(product, lowest, highest));
}

}  // namespace quorvane
