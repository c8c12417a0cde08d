#include "engine/FrameCycle.h"

#include <algorithm>

#include "engine/ControlTexts.h"
#include "engine/MessageGenerator.h"
#include "engine/Modulator.h"
#include "engine/nrFFT.h"
#include "plot/SpectrumPlot.h"
#include "plot/TraceColours.h"
#include "plot/TracePlot.h"

namespace quorvane {
namespace {

void CopyEntries(const SampleBuffer& from, SampleBuffer& to)
{
    std::copy_n(from.begin(), kUsedEntries, to.begin());
}

template <typename Member>
auto* Part(FrameMemo* memo, Member FrameMemo::*member)
{
    return memo ? &(memo->*member) : nullptr;
}

}  // namespace

void Timer1_Timer(SignalState& state, const FormControls& controls, const FormPictures& pictures,
                  NoiseSource& rnd, FrameMemo* memo)
{
    if (controls.PauseCaption() != kRunningCaption)
        return;

    tmrGenerateSignal(state, controls, rnd, Part(memo, &FrameMemo::messageTones));
    plotComponent(pictures.picData, state.dDataSignal, 0, kMessageColour, controls);
    CopyEntries(state.dDataSignal, state.dDataFFT);
    nrFFT::FFT(state.dDataFFT, kPoints, false);
    PlotSpectrum(state.dDataFFT, state.dDataSpectrum, state.dDataSpectrumMem, state.iDataSpectrums,
                 state.bDataMemory, *pictures.picSpectrum[0], kMessageColour, true, controls,
                 Part(memo, &FrameMemo::dataLogs));

    WriteTone(state.dCarrierSignal, state.dCarrierFreq, Part(memo, &FrameMemo::carrierTones));
    plotComponent(pictures.picCarrier, state.dCarrierSignal, 0, kCarrierColour, controls);

    tmrModulation(state, controls, Part(memo, &FrameMemo::angle));
    if (controls.CheckValue(CheckId::chkPassband) == kChecked)
        plotComponent(pictures.picModData, state.dModSignal, 0, kModulatedColour, controls);
    else
        pictures.picModData.Cls();
    CopyEntries(state.dModSignal, state.dModFFT);
    nrFFT::FFT(state.dModFFT, kPoints, false);
    const bool bNewToo = controls.CheckValue(CheckId::chkSpectrum) == kChecked;
    PlotSpectrum(state.dModFFT, state.dModSpectrum, state.dModSpectrumMem, state.iModSpectrums,
                 state.bModMemory, *pictures.picSpectrum[1], kModulatedColour, bNewToo, controls,
                 Part(memo, &FrameMemo::modLogs));
}

}  // namespace quorvane
