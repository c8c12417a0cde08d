#include "app/Frame.h"

#include <algorithm>

#include "engine/Choices.h"
#include "engine/MessageGenerator.h"
#include "engine/Modulator.h"
#include "engine/nrFFT.h"
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

bool Checked(const DisplaySettings& controls, Switch which)
{
    return controls.SwitchState(which) == CheckState::checked;
}

SpectrumColours MessageSpectrumColours(const TracePalette& palette)
{
    return {kMessageColour, palette.held};
}

SpectrumColours ModulatedSpectrumColours(const TracePalette& palette)
{
    return {kModulatedColour, palette.held};
}

}  // namespace

// The picture is cleared before the average is taken, so a frame that stops
// between the two leaves it blank rather than showing the last frame's traces.
void AverageAndPlotSpectrum(std::span<const double> transform, const RunningSpectrum& spectrum,
                            PlotSurface& picture, SpectrumColours colours, bool drawLive,
                            const DisplaySettings& controls, LogMemo* logs)
{
    const bool linear = Checked(controls, Switch::linear);
    picture.Clear();
    if (!AverageSpectrum(transform, spectrum, linear, controls, logs))
        return;
    PlotSpectrum(picture, {spectrum.average, spectrum.held, spectrum.isHeld, drawLive}, linear, colours,
                 controls);
}

void RunFrame(SignalState& state, const FrameInputs& controls, const FramePictures& pictures,
              NoiseSource& noise, FrameMemo* memo, const TracePalette& palette)
{
    if (controls.ShownPauseState() != PauseState::running)
        return;

    GenerateMessage(state, controls, noise, Part(memo, &FrameMemo::messageTones));
    PlotTrace(pictures.message, state.messageSignal, kMessageColour, controls);
    CopyEntries(state.messageSignal, state.messageTransform);
    nrFFT::FFT(state.messageTransform, kPoints, false);
    AverageAndPlotSpectrum(state.messageTransform,
                           {state.messageSpectrum, state.messageHeldSpectrum, state.messageAverageCount,
                            state.messageHeld},
                           pictures.messageSpectrum, MessageSpectrumColours(palette), true, controls,
                           Part(memo, &FrameMemo::messageLogs));

    WriteTone(state.carrierSignal, state.carrierFrequencyDaHz, Part(memo, &FrameMemo::carrierTones));
    PlotTrace(pictures.carrier, state.carrierSignal, kCarrierColour, controls);

    Modulate(state, controls, Part(memo, &FrameMemo::angle));
    if (Checked(controls, Switch::modulatedTrace))
        PlotTrace(pictures.modulated, state.modulatedSignal, kModulatedColour, controls);
    else
        pictures.modulated.Clear();
    CopyEntries(state.modulatedSignal, state.modulatedTransform);
    nrFFT::FFT(state.modulatedTransform, kPoints, false);
    AverageAndPlotSpectrum(state.modulatedTransform,
                           {state.modulatedSpectrum, state.modulatedHeldSpectrum,
                            state.modulatedAverageCount, state.modulatedHeld},
                           pictures.modulatedSpectrum, ModulatedSpectrumColours(palette),
                           Checked(controls, Switch::modulatedSpectrum), controls,
                           Part(memo, &FrameMemo::modulatedLogs));
}

void RedrawSpectra(const SignalState& state, const DisplaySettings& controls, const FramePictures& pictures,
                   const TracePalette& palette, bool linear)
{
    pictures.messageSpectrum.Clear();
    PlotSpectrum(pictures.messageSpectrum, {state.messageSpectrum, state.messageHeldSpectrum, state.messageHeld, true},
                 linear, MessageSpectrumColours(palette), controls);
    pictures.modulatedSpectrum.Clear();
    PlotSpectrum(pictures.modulatedSpectrum,
                 {state.modulatedSpectrum, state.modulatedHeldSpectrum, state.modulatedHeld,
                  Checked(controls, Switch::modulatedSpectrum)},
                 linear, ModulatedSpectrumColours(palette), controls);
}

}  // namespace quorvane
