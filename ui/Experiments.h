#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvane {

// The starting point of one of the class guide's experiments: the list
// choices (their keys), the bar positions and the switches. Every experiment
// starts with one-sided spectra, no memory copy, the time traces at their
// first stretch and unzoomed, and the display running.
struct Experiment {
    std::string_view messageType;
    std::string_view scheme;
    std::int16_t messagePosition;  // hscFreq(0)
    std::int16_t carrierPosition;  // hscFreq(1)
    std::int16_t depthPosition;    // vscDepth
    bool modulatedTrace;           // chkPassband
    bool modulatedSpectrum;        // chkSpectrum
    bool linear;                   // chkLinear
};

// Experiment `number` as the guide numbers them, from 1; none for another number.
std::optional<Experiment> FindExperiment(int number);

}  // namespace quorvane
