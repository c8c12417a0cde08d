#pragma once

#include <cstdint>
#include <numbers>

namespace quorvane {

// Every buffer holds 8192 complex points interleaved (real at 2k, imaginary
// at 2k+1) in its first 16384 entries, plus one trailing entry, index 16384,
// that nothing ever writes; a spectrum keeps one value per point.
inline constexpr std::int32_t kPoints = 8192;
inline constexpr int kUsedEntries = 2 * kPoints;
inline constexpr int kBufferEntries = kUsedEntries + 1;

// A time signal keeps sample k in entry 2k; loops over its samples step
// through the even entries up to this one.
inline constexpr std::int16_t kLastEven = kUsedEntries - 2;

// The frequency parameters count in decahertz: a box shows ten times its
// parameter, in hertz.
inline constexpr double kHertzPerDecahertz = 10.0;

// Every tone is sin(i f / 32) at entry i = 2k, a step of f / 16 radians a
// sample; with f in decahertz that makes 320 pi samples a second of display
// time, so one bin of a transform is 320 pi / 8192 Hz wide.
inline constexpr double kSamplesPerSecond = 320.0 * std::numbers::pi;

}  // namespace quorvane
