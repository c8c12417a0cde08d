#pragma once

#include <cstdint>
#include <span>

#include "base/DisplaySettings.h"
#include "engine/LogMemo.h"

namespace quorvane {

// One spectrum's running average and held copy, as the signal state keeps
// them: `count` counts the spectra in the average, `isHeld` says the held
// copy is taken.
struct RunningSpectrum {
    std::span<double> average;
    std::span<double> held;
    std::int16_t& count;
    bool& isHeld;
};

// Folds the power spectrum of `transform` into the running average, in
// logarithms unless `linear`, then takes or drops the held copy as the Memory
// switch says. Logarithms the last frame took are reused from `logs` where it
// is given; without it each is taken afresh. False, with nothing changed, when
// a buffer is too short to hold a spectrum.
bool AverageSpectrum(std::span<const double> transform, const RunningSpectrum& spectrum, bool linear,
                     const DisplaySettings& controls, LogMemo* logs);

}  // namespace quorvane
