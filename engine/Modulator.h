#pragma once

#include "engine/AngleMemo.h"
#include "engine/FrameInputs.h"
#include "engine/SignalState.h"

namespace quorvane {

// Rewrites the even entries of state.modulatedSignal for the chosen
// scheme. "FM" and "PM" replay memo's last output where its inputs match.
void Modulate(SignalState& state, const FrameInputs& controls, AngleMemo* memo = nullptr);

}  // namespace quorvane
