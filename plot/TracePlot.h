#pragma once

#include <cstdint>
#include <span>

#include "plot/PlotControls.h"
#include "plot/PlotSurface.h"

namespace quorvane {

// Draws the real parts of dData as a two-pixel line trace across picPic; the
// shown stretch follows hscDataZoom and hscDataScroll.
void plotComponent(PlotSurface& picPic, std::span<const double> dData, std::int16_t iOffset,
                   std::int32_t Colour, const PlotControls& controls);

}  // namespace quorvane
