#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "app/ReceiverPanel.h"
#include "base/DisplaySettings.h"
#include "engine/Receiver.h"
#include "plot/Colour.h"

namespace quorvane {

// The boxes' texts: the oscillator's phase in whole degrees ("45°"), the
// channel's noise ("none" as a key for translation, else "-15 dB") and the
// figure in dB to one decimal with the window's decimal sign.
std::string OscillatorPhaseText(int step);
std::string ChannelNoiseText(int step);
std::string SinadText(double decibels, std::string_view decimalPoint);

// The receiver beside the window: its state, allocated once with it, what
// its controls set, and its part of a frame. It sees the front end's
// receiver controls through `panel`, reading them at the moment of use.
class ReceiverController {
public:
    ReceiverController(ReceiverPanel& panel, const ReceiverPictures& pictures, std::string decimalPoint);

    // The list filled and the boxes showing the bars' values.
    void StartUp();

    // The handlers of the receiver's own controls: each restarts the figure.
    void DetectorChosen();
    void BarChanged(ReceiverBar bar);
    // Sets the receiver's controls through the panel, whose events follow.
    void SetUp(const ReceiverSettings& settings);
    // What is received changed: the figure starts its average afresh.
    void Restart();

    // The receiver's part of a frame, on what the window's frame left in
    // `signal`: receive, draw both pictures following the window's time bars
    // and show the figure, the recovered message in `recovered`.
    void RunFrame(const SignalState& signal, Scheme scheme, const DisplaySettings& window, Colour recovered);

    ReceiverSettings Settings() const;
    const ReceiverState& State() const { return *state_; }
    PlotSurface& Surface(ReceiverPicture picture) const
    {
        return picture == ReceiverPicture::receivedSignal ? pictures_.receivedSignal : pictures_.recoveredMessage;
    }

private:
    void ShowSinad(std::string text);

    ReceiverPanel& panel_;
    ReceiverPictures pictures_;
    std::string decimalPoint_;
    std::unique_ptr<ReceiverState> state_;
    std::string shownSinad_;
};

}  // namespace quorvane
