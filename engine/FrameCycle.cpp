#include "engine/FrameCycle.h"

#include <algorithm>
#include <cmath>

#include "engine/MessageGenerator.h"
#include "engine/Modulator.h"
#include "engine/ToneCache.h"
#include "engine/nrFFT.h"
#include "plot/SpectrumPlot.h"
#include "plot/TracePlot.h"

namespace quorvane {
namespace {

// The carrier only changes with dCarrierFreq; its sines are kept between frames.
ToneCache carrierTones;

void SynthesiseCarrier(SignalState& state)
{
    const ToneCache::Values& tone = carrierTones.For(state.dCarrierFreq);
    for (std::int16_t i = 0; i <= 16382; i += 2)
        state.dCarrierSignal[i] = tone[i / 2];
}

void CopyEntries(const SampleBuffer& from, SampleBuffer& to)
{
    std::copy_n(from.begin(), kUsedEntries, to.begin());
}

}  // namespace

void Timer1_Timer(SignalState& state, const FormControls& controls, const FormPictures& pictures,
                  NoiseSource& rnd)
{
    if (controls.PauseCaption() != "Pause")
        return;

    tmrGenerateSignal(state, controls, rnd);
    plotComponent(pictures.picData, state.dDataSignal, 0, kMessageColour, controls);
    CopyEntries(state.dDataSignal, state.dDataFFT);
    nrFFT::FFT(state.dDataFFT, kPoints, false);
    PlotSpectrum(state.dDataFFT, state.dDataSpectrum, state.dDataSpectrumMem, state.iDataSpectrums,
                 state.bDataMemory, *pictures.picSpectrum[0], kMessageColour, true, controls);

    SynthesiseCarrier(state);
    plotComponent(pictures.picCarrier, state.dCarrierSignal, 0, kCarrierColour, controls);

    tmrModulation(state, controls);
    if (controls.CheckValue(CheckId::chkPassband) == kChecked)
        plotComponent(pictures.picModData, state.dModSignal, 0, kModulatedColour, controls);
    else
        pictures.picModData.Cls();
    CopyEntries(state.dModSignal, state.dModFFT);
    nrFFT::FFT(state.dModFFT, kPoints, false);
    const bool bNewToo = controls.CheckValue(CheckId::chkSpectrum) == kChecked;
    PlotSpectrum(state.dModFFT, state.dModSpectrum, state.dModSpectrumMem, state.iModSpectrums,
                 state.bModMemory, *pictures.picSpectrum[1], kModulatedColour, bNewToo, controls);
}

}  // namespace quorvane
