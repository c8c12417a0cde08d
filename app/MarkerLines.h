#pragma once

#include <array>
#include <cstdint>

#include "base/Twips.h"

namespace quorvane {

// A vertical line the window shows over its pictures: its left edge, top
// and height in the window's twips, and its width in pixels at 100 %.
struct MarkerLine {
    float left;
    int top;
    int height;
    int width;
};

// The two zero markers under the spectra, centred on `x` twips.
std::array<MarkerLine, 2> ZeroMarkerLines(std::int16_t x);

// The keyboard cursor's line across the inside of a picture whose outer box
// is `picture`, `twips` along its inside.
MarkerLine CursorLine(const TwipsBox& picture, float twips);

}  // namespace quorvane
