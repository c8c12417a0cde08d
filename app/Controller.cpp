#include "app/Controller.h"

#include <cmath>
#include <exception>
#include <optional>
#include <span>

#include "app/Experiments.h"
#include "app/NumberText.h"
#include "app/WindowDesign.h"
#include "base/Twips.h"
#include "plot/TraceColours.h"

namespace quorvane {
namespace {

constexpr int kStartFrequencyPosition = 32;
constexpr int kStartDepthPosition = 5;
constexpr Colour kBlack = 0x000000;

bool Checked(const ControlPanel& panel, Switch which)
{
    return panel.SwitchState(which) == CheckState::checked;
}

}  // namespace

double MessageFrequencyDaHz(int position)
{
    return position / 64.0;
}

double CarrierFrequencyDaHz(int position)
{
    return position / 5.0;
}

double Depth(int position)
{
    return (10 - position) / 5.0;
}

Controller::Controller(ControlPanel& panel, const FramePictures& pictures, std::string decimalPoint)
    : panel_(panel),
      pictures_(pictures),
      decimalPoint_(std::move(decimalPoint)),
      state_(std::make_unique<SignalState>()),
      memo_(std::make_unique<FrameMemo>())
{
}

void Controller::StartUp()
{
    state_->messageAverageCount = 0;
    state_->modulatedAverageCount = 0;
    ClearBuffers(*state_);
    panel_.FillList(List::scheme);
    panel_.FillList(List::messageType);
    panel_.SetBarPosition(Bar::messageFrequency, kStartFrequencyPosition);
    panel_.SetBarPosition(Bar::carrierFrequency, kStartFrequencyPosition);
    panel_.SetBarPosition(Bar::depth, kStartDepthPosition);
}

void Controller::MessageFrequencyChanged()
{
    state_->messageFrequencyDaHz = MessageFrequencyDaHz(panel_.BarPosition(Bar::messageFrequency));
    panel_.ShowText(Box::messageFrequency, FrequencyText(state_->messageFrequencyDaHz, decimalPoint_));
    RestartAverages(*state_, true);
    RestartReceiver();
}

void Controller::CarrierFrequencyChanged()
{
    state_->carrierFrequencyDaHz = CarrierFrequencyDaHz(panel_.BarPosition(Bar::carrierFrequency));
    panel_.ShowText(Box::carrierFrequency, FrequencyText(state_->carrierFrequencyDaHz, decimalPoint_));
    RestartAverages(*state_, false);
    RestartReceiver();
}

// The depth is read back from the text the box shows, so it is exactly the
// number the class sees.
void Controller::DepthChanged()
{
    const std::string text = DepthText(Depth(panel_.BarPosition(Bar::depth)), decimalPoint_);
    panel_.ShowText(Box::depth, text);
    state_->depth = DepthFromText(text, decimalPoint_);
    RestartAverages(*state_, false);
    RestartReceiver();
}

// Greyed counts as one-sided, as it does for the spectrum plot.
void Controller::TwoSidedChanged()
{
    const PlotSurface& spectrum = pictures_.messageSpectrum;
    const float x = Checked(panel_, Switch::twoSided)
                        ? spectrum.OuterLeft() + spectrum.OuterWidth() / 2.0f
                        : spectrum.OuterLeft();
    panel_.PlaceZeroMarkers(static_cast<std::int16_t>(std::lrint(x)));
}

// The caption takes the held copy's colour while Memory is on; greyed leaves it.
void Controller::MemoryChanged()
{
    const CheckState memory = panel_.SwitchState(Switch::memory);
    if (memory == CheckState::checked)
        panel_.ColourMemoryCaption(palette_->held);
    else if (memory == CheckState::unchecked)
        panel_.ColourMemoryCaption(kBlack);
}

void Controller::RestartBothAverages()
{
    RestartAverages(*state_, true);
}

void Controller::RestartModulatedAverage()
{
    RestartAverages(*state_, false);
}

void Controller::TogglePause()
{
    if (!panel_.FrameClockRunning()) {
        panel_.StartFrameClock();
        panel_.ShowPauseState(PauseState::running);
    } else if (panel_.ShownPauseState() == PauseState::running) {
        panel_.StopFrameClock();
        panel_.ShowPauseState(PauseState::paused);
    }
}

void Controller::PictureClicked(Picture picture)
{
    if (picture == Picture::messageSpectrum || picture == Picture::modulatedSpectrum)
        RestartBothAverages();
}

void Controller::BarChanged(Bar bar)
{
    switch (bar) {
        case Bar::messageFrequency: MessageFrequencyChanged(); break;
        case Bar::carrierFrequency: CarrierFrequencyChanged(); break;
        case Bar::depth: DepthChanged(); break;
        case Bar::timeScroll:
        case Bar::timeZoom: break;
    }
}

void Controller::SwitchChanged(Switch which)
{
    switch (which) {
        case Switch::twoSided: TwoSidedChanged(); break;
        case Switch::memory: MemoryChanged(); break;
        case Switch::linear: RestartBothAverages(); break;
        case Switch::modulatedTrace:
        case Switch::modulatedSpectrum: break;
    }
}

void Controller::ListChosen(List list)
{
    if (list == List::messageType)
        RestartBothAverages();
    else
        RestartModulatedAverage();
    RestartReceiver();
}

void Controller::RestartReceiver()
{
    if (receiver_)
        receiver_->Restart();
}

// Opening shows at once what the window last drew, through the receiver;
// inside a frame the frame itself does that when the window's part is done.
void Controller::OpenReceiver(ReceiverPanel& panel, const ReceiverPictures& pictures)
{
    if (!receiver_) {
        receiver_ = std::make_unique<ReceiverController>(panel, pictures, decimalPoint_);
        receiver_->StartUp();
    }
    receiverOpen_ = true;
    receiver_->Restart();
    if (!inFrame_) {
        inFrame_ = true;
        RunReceiverFrame();
        inFrame_ = false;
    }
}

void Controller::CloseReceiver()
{
    receiverOpen_ = false;
}

void Controller::ReceiverDetectorChosen()
{
    if (receiver_)
        receiver_->DetectorChosen();
}

void Controller::ReceiverBarChanged(ReceiverBar bar)
{
    if (receiver_)
        receiver_->BarChanged(bar);
}

void Controller::RunReceiverFrame()
{
    try {
        receiver_->RunFrame(*state_, panel_.ChosenScheme(), panel_, palette_->recovered);
    } catch (const std::exception&) {
        // As a window frame that fails: what was drawn stays until the next.
    }
}

void Controller::Tick()
{
    if (inFrame_)
        return;
    inFrame_ = true;
    const bool running = panel_.ShownPauseState() == PauseState::running;
    if (running)
        spectraLinear_ = Checked(panel_, Switch::linear);
    try {
        RunFrame(*state_, panel_, pictures_, noise_, memo_.get(), *palette_);
    } catch (const std::exception&) {
        // What the frame drew before it failed stays until the next one.
    }
    // Read after the window's part, which may have let the receiver close.
    if (running && receiverOpen_)
        RunReceiverFrame();
    inFrame_ = false;
}

// Paused, the spectra show the new colours at once, drawn again from the
// averages as the last frame left them and on the scale of the mode they were
// averaged in, whatever Linear Plots says now; running, the next frame draws
// them.
void Controller::SetColourBlind(bool on)
{
    palette_ = &PaletteFor(on);
    MemoryChanged();
    if (!inFrame_ && spectraLinear_ && panel_.ShownPauseState() != PauseState::running)
        RedrawSpectra(*state_, panel_, pictures_, *palette_, *spectraLinear_);
}

// A list choice is made as a click makes it: its change event runs if the
// choice changes, its click handler always.
void Controller::SetUpExperiment(int number)
{
    const std::optional<Experiment> experiment = FindExperiment(number);
    if (!experiment)
        return;
    panel_.SetSwitch(Switch::memory, false);
    panel_.Choose(experiment->messageType);
    RestartBothAverages();
    panel_.Choose(experiment->scheme);
    RestartModulatedAverage();
    panel_.SetBarPosition(Bar::messageFrequency, experiment->messagePosition);
    panel_.SetBarPosition(Bar::carrierFrequency, experiment->carrierPosition);
    panel_.SetBarPosition(Bar::depth, experiment->depthPosition);
    panel_.SetSwitch(Switch::modulatedTrace, experiment->modulatedTrace);
    panel_.SetSwitch(Switch::modulatedSpectrum, experiment->modulatedSpectrum);
    panel_.SetSwitch(Switch::linear, experiment->linear);
    panel_.SetSwitch(Switch::twoSided, false);
    panel_.SetBarPosition(Bar::timeZoom, DesignOf(ControlName(Bar::timeZoom)).scroll.minimum);
    panel_.SetBarPosition(Bar::timeScroll, DesignOf(ControlName(Bar::timeScroll)).scroll.minimum);
    if (experiment->receiver && receiverOpen_)
        receiver_->SetUp(*experiment->receiver);
    if (panel_.ShownPauseState() != PauseState::running)
        TogglePause();
}

PlotSurface& Controller::Surface(Picture picture) const
{
    switch (picture) {
        case Picture::message: return pictures_.message;
        case Picture::messageSpectrum: return pictures_.messageSpectrum;
        case Picture::carrier: return pictures_.carrier;
        case Picture::modulated: return pictures_.modulated;
        case Picture::modulatedSpectrum: break;
    }
    return pictures_.modulatedSpectrum;
}

float Controller::PictureWidth(AnyPicture picture) const
{
    if (const auto* window = std::get_if<Picture>(&picture))
        return Surface(*window).InnerWidth();
    return receiver_ ? receiver_->Surface(std::get<ReceiverPicture>(picture)).InnerWidth() : 0.0f;
}

bool Controller::Drawn(AnyPicture picture) const
{
    if (std::holds_alternative<ReceiverPicture>(picture))
        return receiverOpen_;
    if (picture == AnyPicture(Picture::modulated))
        return Checked(panel_, Switch::modulatedTrace);
    if (picture == AnyPicture(Picture::modulatedSpectrum))
        return Checked(panel_, Switch::modulatedSpectrum) || state_->modulatedHeld;
    return true;
}

bool Controller::LinearSpectra() const
{
    return Checked(panel_, Switch::linear);
}

Reading Controller::TraceReadingAt(std::span<const double> trace, float x, float width) const
{
    const auto reading = ReadTrace(trace, x, width, TimeBarPosition(panel_, Bar::timeZoom),
                                   TimeBarPosition(panel_, Bar::timeScroll));
    if (!reading)
        return {};
    return *reading;
}

std::optional<SpectrumView> Controller::SpectrumViewOf(AnyPicture picture) const
{
    if (picture != AnyPicture(Picture::messageSpectrum) && picture != AnyPicture(Picture::modulatedSpectrum))
        return std::nullopt;
    const bool modulated = picture == AnyPicture(Picture::modulatedSpectrum);
    return SpectrumView{modulated ? state_->modulatedSpectrum : state_->messageSpectrum,
                        modulated ? state_->modulatedHeldSpectrum : state_->messageHeldSpectrum,
                        !modulated || Checked(panel_, Switch::modulatedSpectrum),
                        modulated ? state_->modulatedHeld : state_->messageHeld,
                        Checked(panel_, Switch::linear),
                        Checked(panel_, Switch::twoSided),
                        PictureWidth(picture)};
}

// A spectrum's highest bin is found once for the whole picture, not at every place.
std::vector<Reading> Controller::ReadingsAcross(AnyPicture picture, float snap) const
{
    const auto pixel = static_cast<float>(kTwipsPerPixel);
    const float width = PictureWidth(picture);
    const std::optional<SpectrumView> view = SpectrumViewOf(picture);
    const double highest = view ? HighestLive(*view) : 0.0;
    std::vector<Reading> readings;
    for (float x = 0; x <= width - pixel; x += pixel)
        readings.push_back(view ? Reading(ReadSpectrum(*view, x, snap, highest)) : ReadingAt(picture, x, snap));
    return readings;
}

// A hidden modulated trace reads as nothing; a spectrum whose live trace is
// hidden reads its held copy. The recovered picture reads the receiver's own
// output, drawn on the message's scale, and a closed receiver reads nothing.
Reading Controller::ReadingAt(AnyPicture any, float x, float snap) const
{
    const float width = PictureWidth(any);
    if (const auto* which = std::get_if<ReceiverPicture>(&any)) {
        if (!receiverOpen_)
            return {};
        const ReceiverState& received = receiver_->State();
        return TraceReadingAt(*which == ReceiverPicture::receivedSignal ? received.receivedSignal
                                                                        : received.recoveredMessage,
                              x, width);
    }
    if (const std::optional<SpectrumView> view = SpectrumViewOf(any))
        return ReadSpectrum(*view, x, snap);
    switch (std::get<Picture>(any)) {
        case Picture::message: return TraceReadingAt(state_->messageSignal, x, width);
        case Picture::carrier: return TraceReadingAt(state_->carrierSignal, x, width);
        default:
            if (!Checked(panel_, Switch::modulatedTrace))
                return {};
            return TraceReadingAt(state_->modulatedSignal, x, width);
    }
}

}  // namespace quorvane
