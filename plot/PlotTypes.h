#pragma once

#include <cstdint>

namespace quorvane {

// Every buffer holds 8192 complex points interleaved (real at 2k, imaginary
// at 2k+1) in its first 16384 entries; a spectrum keeps one value per point.
inline constexpr std::int32_t kPoints = 8192;
inline constexpr int kUsedEntries = 16384;

}  // namespace quorvane
