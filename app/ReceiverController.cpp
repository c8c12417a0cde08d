#include "app/ReceiverController.h"

#include <cstddef>

#include "app/NumberText.h"
#include "plot/TraceColours.h"
#include "plot/TracePlot.h"

namespace quorvane {

std::string OscillatorPhaseText(int step)
{
    return std::to_string(step * kOscillatorStepDegrees) + "°";
}

std::string ChannelNoiseText(int step)
{
    if (step <= 0 || static_cast<std::size_t>(step) > kChannelNoiseDecibels.size())
        return QT_TRANSLATE_NOOP("Receiver", "none");
    return FixedText(kChannelNoiseDecibels[static_cast<std::size_t>(step) - 1], 0) + " dB";
}

std::string SinadText(double decibels, std::string_view decimalPoint)
{
    return FixedText(decibels, 1, decimalPoint);
}

ReceiverController::ReceiverController(ReceiverPanel& panel, const ReceiverPictures& pictures,
                                       std::string decimalPoint)
    : panel_(panel),
      pictures_(pictures),
      decimalPoint_(std::move(decimalPoint)),
      state_(std::make_unique<ReceiverState>())
{
}

void ReceiverController::StartUp()
{
    panel_.FillDetectorList();
    BarChanged(ReceiverBar::oscillatorPhase);
    BarChanged(ReceiverBar::channelNoise);
}

void ReceiverController::DetectorChosen()
{
    Restart();
}

void ReceiverController::BarChanged(ReceiverBar bar)
{
    const int position = panel_.BarPosition(bar);
    if (bar == ReceiverBar::oscillatorPhase)
        panel_.ShowText(ReceiverBox::oscillatorPhase, OscillatorPhaseText(position));
    else
        panel_.ShowText(ReceiverBox::channelNoise, ChannelNoiseText(position));
    Restart();
}

void ReceiverController::SetUp(const ReceiverSettings& settings)
{
    panel_.ChooseDetector(settings.detector);
    panel_.SetBarPosition(ReceiverBar::oscillatorPhase, settings.oscillatorStep);
    panel_.SetBarPosition(ReceiverBar::channelNoise, settings.noiseStep);
}

void ReceiverController::Restart()
{
    RestartReceiverAverage(*state_);
}

ReceiverSettings ReceiverController::Settings() const
{
    return {panel_.ChosenDetector(), panel_.BarPosition(ReceiverBar::oscillatorPhase),
            panel_.BarPosition(ReceiverBar::channelNoise)};
}

// Both traces of the recovered picture are on the message's scale, so that a
// perfect receiver draws its output exactly over the message.
void ReceiverController::RunFrame(const SignalState& signal, Scheme scheme, const DisplaySettings& window,
                                  Colour recovered)
{
    RunReceiver(*state_, signal, scheme, Settings());
    PlotTrace(pictures_.receivedSignal, state_->receivedSignal, kModulatedColour, window);
    PlotTrace(pictures_.recoveredMessage, signal.messageSignal, kMessageColour, window);
    DrawTrace(pictures_.recoveredMessage, state_->recoveredMessage, recovered, window);
    ShowSinad(SinadText(ReceiverSinad(*state_), decimalPoint_));
}

// The figure changes rarely once it settles; the box is told only then.
void ReceiverController::ShowSinad(std::string text)
{
    if (text == shownSinad_)
        return;
    shownSinad_ = std::move(text);
    panel_.ShowText(ReceiverBox::sinad, shownSinad_);
}

}  // namespace quorvane
