#pragma once

#include <array>

#include "engine/FormControls.h"
#include "engine/NoiseSource.h"
#include "engine/SignalState.h"
#include "plot/PlotSurface.h"

namespace quorvane {

inline constexpr std::int32_t kMessageColour = 0x008000;
inline constexpr std::int32_t kCarrierColour = 0x800080;
inline constexpr std::int32_t kModulatedColour = 0x800000;

// The window's five drawing surfaces.
struct FormPictures {
    PlotSurface& picData;
    std::array<PlotSurface*, 2> picSpectrum;
    PlotSurface& picCarrier;
    PlotSurface& picModData;
};

// One tick of Timer1: generate, draw, transform and draw the spectrum of the
// message; build and draw the carrier; modulate, draw, transform and draw the
// modulated spectrum. Does nothing unless cmdPause reads "Pause".
void Timer1_Timer(SignalState& state, const FormControls& controls, const FormPictures& pictures,
                  NoiseSource& rnd);

}  // namespace quorvane
