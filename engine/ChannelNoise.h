#pragma once

#include <array>
#include <cstdint>

#include "engine/NoiseSource.h"
#include "engine/SignalState.h"

namespace quorvane {

// The channel's noise levels, in dB below the received signal's mean power,
// after "none". At 30 dB every scheme comes back clean (38 dB or better
// through its own detector); by -15 dB, noise stronger than the signal has
// buried each of them.
inline constexpr std::array<double, 10> kChannelNoiseDecibels{30.0, 25.0, 20.0, 15.0, 10.0,
                                                              5.0,  0.0,  -5.0, -10.0, -15.0};

// The channel's own generator, started apart from the window's so the
// message's noise frames stay the succession they always were.
inline constexpr std::uint64_t kChannelNoiseStart = 0x2545f4914f6cdd1dULL;

// Writes clean's even entries plus white Gaussian noise decibelsBelow under
// clean's mean power into received's even entries; the odd entries become 0.
void AddChannelNoise(const SampleBuffer& clean, double decibelsBelow, NoiseSource& source,
                     SampleBuffer& received);

}  // namespace quorvane
