#pragma once

#include <cstdint>
#include <span>

#include "plot/LogMemo.h"
#include "plot/PlotControls.h"
#include "plot/PlotSurface.h"
#include "plot/PlotTypes.h"

namespace quorvane {

// Folds the power spectrum of dFreqData into the running average
// dFreqSpectrum (iSpectrums counts the spectra in it), takes or drops the held
// copy dFreqMem (bMemory) as chkMemory says, and draws the held copy and,
// with bNewToo, the live average into picPic. Logarithms the last frame took
// are reused from logs where it is given; without it each is taken afresh.
void PlotSpectrum(std::span<const double> dFreqData, std::span<double> dFreqSpectrum,
                  std::span<double> dFreqMem, std::int16_t& iSpectrums, Bool16& bMemory,
                  PlotSurface& picPic, std::int32_t lColour, bool bNewToo,
                  const PlotControls& controls, LogMemo* logs);

}  // namespace quorvane
