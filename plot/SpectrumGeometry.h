#pragma once

#include <cstdint>

#include "base/Units.h"

namespace quorvane {

// Where the spectrum plot puts bins: 2048 points across the width, from zero
// frequency upward or, two-sided, from bin -1024 (7168) to 1023 with zero
// frequency at the centre. The readout maps the pointer back with the same
// arithmetic.

inline constexpr int kShownBins = kPoints / 4;
inline constexpr int kTwoSidedShift = kShownBins / 2;

// The bin drawn at point i, 0 <= i < kShownBins.
inline int ShownBin(int i, bool twoSided)
{
    int j = twoSided ? i - kTwoSidedShift : i;
    if (j < 0)
        j += kPoints;
    return j;
}

// The x of point i on a surface `width` twips wide.
inline float PointX(int i, float width)
{
    return static_cast<float>(i) * width / kPoints * 4;
}

}  // namespace quorvane
