#pragma once

#include "engine/FormControls.h"
#include "engine/NoiseSource.h"
#include "engine/SignalState.h"

namespace quorvane {

// Rewrites state.dDataSignal for the message type shown by cmbData.
void tmrGenerateSignal(SignalState& state, const FormControls& controls, NoiseSource& rnd);

}  // namespace quorvane
