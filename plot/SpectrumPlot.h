#pragma once

#include <cstdint>
#include <span>

#include "base/DisplaySettings.h"
#include "plot/PlotSurface.h"

namespace quorvane {

// What a spectrum picture shows: the held copy while `isHeld`, and the live
// average with `drawLive`.
struct SpectrumTraces {
    std::span<const double> average;
    std::span<const double> held;
    bool isHeld;
    bool drawLive;
};

struct SpectrumColours {
    Colour live;
    Colour held;
};

// Draws the traces into `picture`, which the caller has cleared, both on the
// scale of the live average, linear or logarithmic, and one- or two-sided as
// the switch says; the live one over the held copy.
void PlotSpectrum(PlotSurface& picture, const SpectrumTraces& traces, bool linear, SpectrumColours colours,
                  const DisplaySettings& controls);

}  // namespace quorvane
