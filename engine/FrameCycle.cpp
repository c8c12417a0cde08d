#include "engine/FrameCycle.h"

#include <algorithm>

#include "engine/Choices.h"
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

void RunFrame(SignalState& state, const FrameInputs& controls, const FramePictures& pictures,
              NoiseSource& noise, FrameMemo* memo)
{
    if (controls.ShownPauseState() != PauseState::running)
        return;

    GenerateMessage(state, controls, noise, Part(memo, &FrameMemo::messageTones));
    PlotTrace(pictures.message, state.messageSignal, 0, kMessageColour, controls);
    CopyEntries(state.messageSignal, state.messageTransform);
    nrFFT::FFT(state.messageTransform, kPoints, false);
    PlotSpectrum(state.messageTransform, state.messageSpectrum, state.messageHeldSpectrum,
                 state.messageAverageCount, state.messageHeld, pictures.messageSpectrum,
                 kMessageColour, true, controls, Part(memo, &FrameMemo::messageLogs));

    WriteTone(state.carrierSignal, state.carrierFrequency, Part(memo, &FrameMemo::carrierTones));
    PlotTrace(pictures.carrier, state.carrierSignal, 0, kCarrierColour, controls);

    Modulate(state, controls, Part(memo, &FrameMemo::angle));
    if (controls.SwitchState(Switch::modulatedTrace) == CheckState::checked)
        PlotTrace(pictures.modulated, state.modulatedSignal, 0, kModulatedColour, controls);
    else
        pictures.modulated.Clear();
    CopyEntries(state.modulatedSignal, state.modulatedTransform);
    nrFFT::FFT(state.modulatedTransform, kPoints, false);
    const bool drawLive = controls.SwitchState(Switch::modulatedSpectrum) == CheckState::checked;
    PlotSpectrum(state.modulatedTransform, state.modulatedSpectrum, state.modulatedHeldSpectrum,
                 state.modulatedAverageCount, state.modulatedHeld, pictures.modulatedSpectrum,
                 kModulatedColour, drawLive, controls, Part(memo, &FrameMemo::modulatedLogs));
}

}  // namespace quorvane
