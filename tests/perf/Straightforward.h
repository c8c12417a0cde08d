#pragma once

// The straightforward frame cycle, kept as the reference for the program's
// own: the same routines, the same signatures, in a namespace of their own.

#include <cstdint>
#include <span>

#include "engine/FormControls.h"
#include "engine/FrameCycle.h"
#include "engine/NoiseSource.h"
#include "engine/SignalState.h"
#include "plot/PlotSurface.h"
#include "plot/SpectrumPlot.h"

namespace quorvane::straightforward {

void plotComponent(PlotSurface& picPic, std::span<const double> dData, std::int16_t iOffset,
                   std::int32_t Colour, const FormControls& controls);

void PlotSpectrum(std::span<const double> dFreqData, std::span<double> dFreqSpectrum,
                  std::span<double> dFreqMem, std::int16_t& iSpectrums, Bool16& bMemory,
                  PlotSurface& picPic, std::int32_t lColour, bool bNewToo,
                  const FormControls& controls);

void tmrGenerateSignal(SignalState& state, const FormControls& controls, NoiseSource& rnd);

void tmrModulation(SignalState& state, const FormControls& controls);

void Timer1_Timer(SignalState& state, const FormControls& controls, const FormPictures& pictures,
                  NoiseSource& rnd);

}  // namespace quorvane::straightforward
