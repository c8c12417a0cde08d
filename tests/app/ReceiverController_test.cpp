// The receiver's wiring through the controller: what restarts its figure,
// what its boxes say, and that closed it does nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/Controller.h"
#include "plot/TraceColours.h"
#include "ui/CaseName.h"
#include "support/FakePanel.h"
#include "support/FakeReceiverPanel.h"
#include "support/RecordingSurface.h"

namespace quorvane::testing {
namespace {

struct ReceiverWiring : ::testing::Test {
    explicit ReceiverWiring(std::string point = ".") : controller(panel, pictures, std::move(point))
    {
        panel.controller = &controller;
        controller.StartUp();
    }
    void Open() { controller.OpenReceiver(receiverPanel, {received, recovered}); }
    int FiguresAveraged() const { return controller.Receiver()->State().sinad.count; }

    FakePanel panel;
    RecordingSurface message{8835, 975}, messageSpectrum, carrier{8835, 1095}, modulated{8835, 1095},
        modulatedSpectrum;
    FramePictures pictures{message, messageSpectrum, carrier, modulated, modulatedSpectrum};
    Controller controller;
    FakeReceiverPanel receiverPanel;
    RecordingSurface received{8835, 1095}, recovered{8835, 1095};
};

TEST_F(ReceiverWiring, ClosedItDoesNothing)
{
    controller.Tick();
    EXPECT_EQ(controller.Receiver(), nullptr);
    Open();
    controller.CloseReceiver();
    const int clears = received.clears + recovered.clears;
    const int averaged = FiguresAveraged();
    for (int frame = 0; frame < 3; ++frame)
        controller.Tick();
    EXPECT_EQ(received.clears + recovered.clears, clears);
    EXPECT_EQ(FiguresAveraged(), averaged);
}

// Only an open receiver is set; the window's part is set up either way.
TEST_F(ReceiverWiring, AnExperimentSetsTheOpenReceiver)
{
    controller.SetUpExperiment(8);
    EXPECT_EQ(receiverPanel.detector, Detector::envelope);
    Open();
    controller.SetUpExperiment(8);
    EXPECT_EQ(receiverPanel.detector, Detector::frequency);
    EXPECT_EQ(receiverPanel.bars, (std::array<int, 2>{0, 6}));
    EXPECT_EQ(panel.frame.scheme, Scheme::fm);
}

TEST_F(ReceiverWiring, OpenItDrawsEveryFrameOverTheMessage)
{
    Open();
    EXPECT_EQ(receiverPanel.fills, 1);
    EXPECT_EQ(receiverPanel.boxes, (std::array<std::string, 3>{"0°", "none", receiverPanel.boxes[2]}));
    controller.Tick();
    controller.Tick();
    EXPECT_EQ(FiguresAveraged(), 3);  // the opening's frame and two of the window's
    ASSERT_FALSE(recovered.segments.empty());
    EXPECT_EQ(recovered.segments.front().colour, kMessageColour);
    EXPECT_EQ(recovered.segments.back().colour, kRecoveredColour);
    EXPECT_EQ(received.segments.back().colour, kModulatedColour);
}

struct RestartCase {
    const char* name;
    std::function<void(ReceiverWiring&)> act;
    bool restarts;
};

struct ReceiverRestarts : ReceiverWiring, ::testing::WithParamInterface<RestartCase> {};

TEST_P(ReceiverRestarts, WhatIsReceivedOrHowRestartsTheFigure)
{
    Open();
    controller.Tick();
    ASSERT_GT(FiguresAveraged(), 0);
    const int before = FiguresAveraged();
    GetParam().act(*this);
    EXPECT_EQ(FiguresAveraged(), GetParam().restarts ? 0 : before);
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, ReceiverRestarts,
    ::testing::Values(
        RestartCase{"MessageFrequency", [](ReceiverWiring& t) { t.panel.SetBarPosition(Bar::messageFrequency, 40); }, true},
        RestartCase{"CarrierFrequency", [](ReceiverWiring& t) { t.panel.SetBarPosition(Bar::carrierFrequency, 40); }, true},
        RestartCase{"Depth", [](ReceiverWiring& t) { t.panel.SetBarPosition(Bar::depth, 0); }, true},
        RestartCase{"Scheme", [](ReceiverWiring& t) { t.panel.Choose(Scheme::am); }, true},
        RestartCase{"MessageType", [](ReceiverWiring& t) { t.panel.Choose(MessageType::square); }, true},
        RestartCase{"Detector", [](ReceiverWiring& t) { t.controller.ReceiverDetectorChosen(); }, true},
        RestartCase{"OscillatorPhase",
                    [](ReceiverWiring& t) { t.controller.ReceiverBarChanged(ReceiverBar::oscillatorPhase); }, true},
        RestartCase{"ChannelNoise",
                    [](ReceiverWiring& t) { t.controller.ReceiverBarChanged(ReceiverBar::channelNoise); }, true},
        RestartCase{"TimeZoom", [](ReceiverWiring& t) { t.panel.SetBarPosition(Bar::timeZoom, 2); }, false},
        RestartCase{"Linear", [](ReceiverWiring& t) { t.panel.SetSwitch(Switch::linear, false); }, false},
        RestartCase{"SpectrumClicked",
                    [](ReceiverWiring& t) { t.controller.PictureClicked(Picture::messageSpectrum); }, false}),
    CaseName{});

TEST(ReceiverTexts, BoxesShowTheBarsAndTheFigure)
{
    EXPECT_EQ(OscillatorPhaseText(0), "0°");
    EXPECT_EQ(OscillatorPhaseText(4), "60°");
    EXPECT_EQ(ChannelNoiseText(0), "none");
    EXPECT_EQ(ChannelNoiseText(1), "30 dB");
    EXPECT_EQ(ChannelNoiseText(10), "-15 dB");
    EXPECT_EQ(SinadText(43.66, "."), "43.7");
    EXPECT_EQ(SinadText(-42.5, ","), "-42,5");
}

struct CommaWiring : ReceiverWiring {
    CommaWiring() : ReceiverWiring(",") {}
};

TEST_F(CommaWiring, TheFigureUsesTheWindowsDecimalSign)
{
    panel.Choose(Scheme::am);
    Open();
    controller.Tick();
    const double figure = ReceiverSinad(controller.Receiver()->State());
    EXPECT_GT(figure, 15.0);  // AM at depth 1 through its envelope comes back
    EXPECT_EQ(receiverPanel.boxes[2], SinadText(figure, ","));
    EXPECT_NE(receiverPanel.boxes[2].find(','), std::string::npos);
}

// A panel that opens or closes the receiver once while the window's frame
// reads it, as a message box inside a frame lets events through.
struct HookedPanel final : FakePanel {
    mutable std::function<void()> during;
    Scheme ChosenScheme() const override
    {
        if (auto hook = std::exchange(during, nullptr))
            hook();
        return FakePanel::ChosenScheme();
    }
};

TEST(ReceiverInAFrame, OpeningAndClosingInAFrameIsHarmless)
{
    HookedPanel panel;
    RecordingSurface surface;
    Controller controller(panel, {surface, surface, surface, surface, surface}, ".");
    panel.controller = &controller;
    controller.StartUp();
    FakeReceiverPanel receiverPanel;
    RecordingSurface received, recovered;
    panel.during = [&] { controller.OpenReceiver(receiverPanel, {received, recovered}); };
    controller.Tick();
    EXPECT_EQ(controller.Receiver()->State().sinad.count, 1);  // once, after the window's part
    panel.during = [&] { controller.CloseReceiver(); };
    controller.Tick();
    EXPECT_EQ(controller.Receiver()->State().sinad.count, 1);  // closed in the frame: no receiver work
}

}  // namespace
}  // namespace quorvane::testing
