#pragma once

#include <cstdint>
#include <optional>

#include "engine/Choices.h"

namespace quorvane {

// The starting point of one of the class guide's experiments: the list
// choices, the bar positions and the switches. Every experiment starts with
// one-sided spectra, no memory copy, the time traces at their first stretch
// and unzoomed, and the display running.
struct Experiment {
    MessageType messageType;
    Scheme scheme;
    std::int16_t messagePosition;
    std::int16_t carrierPosition;
    std::int16_t depthPosition;
    bool modulatedTrace;
    bool modulatedSpectrum;
    bool linear;
};

// Experiment `number` as the guide numbers them, from 1; none for another number.
std::optional<Experiment> FindExperiment(int number);

}  // namespace quorvane
