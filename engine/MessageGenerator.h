#pragma once

#include "engine/FrameInputs.h"
#include "engine/NoiseSource.h"
#include "engine/SignalState.h"
#include "engine/ToneCache.h"

namespace quorvane {

// Rewrites state.messageSignal for the chosen message type. "Sine
// Wave" and "Square Wave" take their sines from tones where it is given.
void GenerateMessage(SignalState& state, const FrameInputs& controls, NoiseSource& noise,
                       ToneCache* tones = nullptr);

}  // namespace quorvane
