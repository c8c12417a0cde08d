#pragma once

#include <cstdint>
#include <optional>

#include "engine/Choices.h"
#include "engine/Receiver.h"

namespace quorvane {

// The starting point of one of the class guide's experiments: the list
// choices, the bar positions and the switches. Every experiment starts with
// one-sided spectra, no memory copy, the time traces at their first stretch
// and unzoomed, and the display running. An experiment on the receiver
// also names its settings; the front end opens the receiver before the
// set-up, which then sets its controls too.
struct Experiment {
    MessageType messageType;
    Scheme scheme;
    std::int16_t messagePosition;
    std::int16_t carrierPosition;
    std::int16_t depthPosition;
    bool modulatedTrace;
    bool modulatedSpectrum;
    bool linear;
    std::optional<ReceiverSettings> receiver;
};

// Experiment `number` as the guide numbers them, from 1; none for another number.
std::optional<Experiment> FindExperiment(int number);

}  // namespace quorvane
