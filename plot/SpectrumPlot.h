#pragma once

#include <cstdint>
#include <span>

#include "engine/FormControls.h"
#include "engine/SignalState.h"
#include "plot/PlotSurface.h"

namespace quorvane {

inline constexpr std::int32_t kMemoryColour = 0x004080;

// Folds the power spectrum of dFreqData into the running average
// dFreqSpectrum (iSpectrums counts the spectra in it), takes or drops the held
// copy dFreqMem (bMemory) as chkMemory says, and draws the held copy and,
// with bNewToo, the live average into picPic.
void PlotSpectrum(std::span<const double> dFreqData, std::span<double> dFreqSpectrum,
                  std::span<double> dFreqMem, std::int16_t& iSpectrums, Bool16& bMemory,
                  PlotSurface& picPic, std::int32_t lColour, bool bNewToo,
                  const FormControls& controls);

}  // namespace quorvane
