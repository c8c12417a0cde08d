#pragma once

#include "engine/AngleMemo.h"
#include "engine/FormControls.h"
#include "engine/SignalState.h"

namespace quorvane {

// Rewrites the even entries of state.dModSignal for the scheme shown by
// cmbMod. "FM" and "PM" replay memo's last output where its inputs match.
void tmrModulation(SignalState& state, const FormControls& controls, AngleMemo* memo = nullptr);

}  // namespace quorvane
