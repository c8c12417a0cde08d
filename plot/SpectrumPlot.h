#pragma once

#include <cstdint>
#include <span>

#include "plot/LogMemo.h"
#include "plot/DisplaySettings.h"
#include "plot/PlotSurface.h"
#include "plot/PlotTypes.h"

namespace quorvane {

// Folds the power spectrum of `transform` into the running `average`
// (`averageCount` counts the spectra in it), takes or drops the `held` copy
// (`isHeld`) as the Memory switch says, and draws the held copy and, with
// `drawLive`, the live average into `picture`. Logarithms the last frame took
// are reused from `logs` where it is given; without it each is taken afresh.
void PlotSpectrum(std::span<const double> transform, std::span<double> average,
                  std::span<double> held, std::int16_t& averageCount, bool& isHeld,
                  PlotSurface& picture, std::int32_t colour, bool drawLive,
                  const DisplaySettings& controls, LogMemo* logs);

}  // namespace quorvane
