#pragma once

#include <cstdint>

namespace quorvane {

// A 16-bit Boolean as the window's members hold it: 0 is false, -1 true.
using Bool16 = std::int16_t;
inline constexpr Bool16 kTrue = -1;
inline constexpr Bool16 kFalse = 0;

// Every buffer holds 8192 complex points interleaved (real at 2k, imaginary
// at 2k+1) in its first 16384 entries; a spectrum keeps one value per point.
inline constexpr std::int32_t kPoints = 8192;
inline constexpr int kUsedEntries = 16384;

// Surfaces are measured in twips; at 96 dpi fifteen of them make a pixel.
inline constexpr int kTwipsPerPixel = 15;

}  // namespace quorvane
