#pragma once

#include <array>
#include <cstdint>

#include "base/Units.h"

namespace quorvane {

using SampleBuffer = std::array<double, kBufferEntries>;

// Everything the frames compute and keep: the three parameters the bars set
// (the two frequencies in decahertz, base/Units.h), how many spectra each running average holds, the nine buffers and whether
// each spectrum has a held copy. Allocated once with the window and zero from
// creation.
struct SignalState {
    double messageFrequencyDaHz = 0.0;
    double carrierFrequencyDaHz = 0.0;
    double depth = 0.0;
    std::int16_t messageAverageCount = 0;
    std::int16_t modulatedAverageCount = 0;
    SampleBuffer messageSignal{};
    SampleBuffer modulatedSignal{};
    SampleBuffer carrierSignal{};
    SampleBuffer messageTransform{};
    SampleBuffer messageSpectrum{};
    SampleBuffer messageHeldSpectrum{};
    SampleBuffer modulatedTransform{};
    SampleBuffer modulatedSpectrum{};
    SampleBuffer modulatedHeldSpectrum{};
    bool messageHeld = false;
    bool modulatedHeld = false;
};

// Restarts the modulated signal's spectrum average, and the message's too
// when messageToo is set.
void RestartAverages(SignalState& state, bool messageToo);

// Sets entries 0..16383 of all nine buffers to 0; entry 16384 is left alone.
void ClearBuffers(SignalState& state);

}  // namespace quorvane
