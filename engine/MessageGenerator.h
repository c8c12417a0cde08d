#pragma once

#include "engine/FormControls.h"
#include "engine/NoiseSource.h"
#include "engine/SignalState.h"
#include "engine/ToneCache.h"

namespace quorvane {

// Rewrites state.dDataSignal for the message type shown by cmbData. "Sine
// Wave" and "Square Wave" take their sines from tones where it is given.
void tmrGenerateSignal(SignalState& state, const FormControls& controls, NoiseSource& rnd,
                       ToneCache* tones = nullptr);

}  // namespace quorvane
