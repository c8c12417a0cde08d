#pragma once

#include <cstdint>
#include <span>

#include "base/DisplaySettings.h"
#include "plot/PlotSurface.h"

namespace quorvane {

// Draws the real parts of `samples` as a two-pixel line trace across
// `picture`; the shown stretch follows the time zoom and scroll bars.
void PlotTrace(PlotSurface& picture, std::span<const double> samples, Colour colour,
               const DisplaySettings& controls);

// The same trace drawn over what the picture already shows.
void DrawTrace(PlotSurface& picture, std::span<const double> samples, Colour colour,
               const DisplaySettings& controls);

}  // namespace quorvane
