#pragma once

#include <array>

#include "engine/FormControls.h"
#include "engine/FrameMemo.h"
#include "engine/NoiseSource.h"
#include "engine/SignalState.h"
#include "plot/PlotSurface.h"

namespace quorvane {

// The window's five drawing surfaces.
struct FormPictures {
    PlotSurface& picData;
    std::array<PlotSurface*, 2> picSpectrum;
    PlotSurface& picCarrier;
    PlotSurface& picModData;
};

// One tick of Timer1: generate, draw, transform and draw the spectrum of the
// message; build and draw the carrier; modulate, draw, transform and draw the
// modulated spectrum. Does nothing unless cmdPause reads "Pause". With a memo
// the frame reuses what the last one worked out where its inputs are the
// same; with none it computes everything afresh, to the same bits.
void Timer1_Timer(SignalState& state, const FormControls& controls, const FormPictures& pictures,
                  NoiseSource& rnd, FrameMemo* memo);

}  // namespace quorvane
