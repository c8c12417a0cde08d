#pragma once

#include "engine/FormControls.h"
#include "engine/SignalState.h"

namespace quorvane {

// Rewrites the even entries of state.dModSignal for the scheme shown by cmbMod.
void tmrModulation(SignalState& state, const FormControls& controls);

}  // namespace quorvane
