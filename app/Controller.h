#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/ControlPanel.h"
#include "app/Frame.h"
#include "app/ReceiverController.h"
#include "engine/FrameMemo.h"
#include "engine/NoiseSource.h"
#include "engine/SignalState.h"
#include "plot/PictureReading.h"

namespace quorvane {

// What lies at a place in a picture: nothing, a sample of a trace, or a bin
// of a spectrum.
using Reading = std::variant<std::monostate, TraceReading, SpectrumReading>;

// A picture the readout reads: one of the window's or one of the receiver's.
using AnyPicture = std::variant<Picture, ReceiverPicture>;

// The parameters each bar's position stands for, the frequencies in decahertz.
double MessageFrequencyDaHz(int position);
double CarrierFrequencyDaHz(int position);
double Depth(int position);

// What the window does: each control's effect on the signal state, the
// frames, and what the readout reads. It owns the signal state and sees the
// front end's controls through `panel`, reading them at the moment of use.
class Controller {
public:
    // `decimalPoint` is the class's decimal sign in the boxes (UTF-8).
    Controller(ControlPanel& panel, const FramePictures& pictures, std::string decimalPoint);

    // Start-up: empty averages and buffers, the lists filled, the bars at
    // their starting positions (whose change events set the parameters).
    void StartUp();

    // The handler a change of each bar, switch or list choice runs, for the
    // front ends to call with their controls' events; a control that sets
    // nothing here (the time bars, the modulated trace's switches) runs none.
    void BarChanged(Bar bar);
    void SwitchChanged(Switch which);
    void ListChosen(List list);
    // A press of the pause button.
    void TogglePause();
    // A click on a picture: a spectrum's restarts both averages.
    void PictureClicked(Picture picture);

    // One frame, at the frame clock's call. A call made while a frame runs
    // (a message box inside a frame lets events through) is ignored; a frame
    // that fails is abandoned where it failed, and the next starts afresh.
    void Tick();

    // The colours for colour-blind eyes, or the usual ones (the default): the
    // held copies', and so Memory's caption, and the recovered message's.
    void SetColourBlind(bool on);
    bool ColourBlind() const { return palette_ == &kColourBlindPalette; }

    // Puts the controls at the starting point of the guide's experiment
    // `number` (from 1) through their own events, the receiver's too while it
    // is open; another number does nothing.
    void SetUpExperiment(int number);

    // What the readout says lies `x` twips along `picture`; a spectrum
    // snaps to the highest bin within `snap` twips.
    Reading ReadingAt(AnyPicture picture, float x, float snap) const;
    // The readings at every place the keyboard cursor can stand, a pixel apart
    // from the left edge, as ReadingAt gives them.
    std::vector<Reading> ReadingsAcross(AnyPicture picture, float snap) const;

    // The picture's width inside, in twips; whether anything is drawn in it
    // (not the modulated trace switched off, nor a modulated spectrum with
    // neither its live trace nor a held copy, nor a receiver that is closed);
    // whether spectra are linear.
    float PictureWidth(AnyPicture picture) const;
    bool Drawn(AnyPicture picture) const;
    bool LinearSpectra() const;
    // The receiver beside the window, made on its first opening over the
    // front end's receiver controls and pictures, which then stay its own and
    // must outlive the controller. While closed it does no work at all.
    void OpenReceiver(ReceiverPanel& panel, const ReceiverPictures& pictures);
    void CloseReceiver();
    bool ReceiverOpen() const { return receiverOpen_; }
    // The receiver's control events, for the front ends to pass on.
    void ReceiverDetectorChosen();
    void ReceiverBarChanged(ReceiverBar bar);
    // Null until the receiver has first been opened.
    const ReceiverController* Receiver() const { return receiver_.get(); }

    const SignalState& State() const { return *state_; }
    SignalState& State() { return *state_; }

private:
    void MessageFrequencyChanged();
    void CarrierFrequencyChanged();
    void DepthChanged();
    void TwoSidedChanged();
    void MemoryChanged();
    void RestartBothAverages();
    void RestartModulatedAverage();
    void RestartReceiver();
    void RunReceiverFrame();
    PlotSurface& Surface(Picture picture) const;
    std::optional<SpectrumView> SpectrumViewOf(AnyPicture picture) const;
    Reading TraceReadingAt(std::span<const double> trace, float x, float width) const;

    ControlPanel& panel_;
    FramePictures pictures_;
    std::string decimalPoint_;
    std::unique_ptr<SignalState> state_;
    std::unique_ptr<FrameMemo> memo_;
    NoiseSource noise_;
    std::unique_ptr<ReceiverController> receiver_;
    bool receiverOpen_ = false;
    bool inFrame_ = false;
    const TracePalette* palette_ = &kUsualPalette;
    // The mode the averages were last drawn in; none before the first frame.
    std::optional<bool> spectraLinear_;
};

}  // namespace quorvane
