// What each control does, driven through the controller as a front end
// drives it, with the controls and pictures as plain fakes.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/CaseName.h"
#include "plot/TraceColours.h"
#include "support/FakePanel.h"
#include "support/RecordingSurface.h"

namespace quorvane::testing {
namespace {

struct ControllerTest : ::testing::Test {
    explicit ControllerTest(std::string decimalPoint = ".")
        : controller(panel, pictures, std::move(decimalPoint))
    {
        panel.controller = &controller;
        controller.StartUp();
    }
    SignalState& State() { return controller.State(); }

    FakePanel panel;
    RecordingSurface message{8835, 975};
    RecordingSurface messageSpectrum{8835, 2715};
    RecordingSurface carrier{8835, 1095};
    RecordingSurface modulated{8835, 1095};
    RecordingSurface modulatedSpectrum{8835, 2715};
    FramePictures pictures{message, messageSpectrum, carrier, modulated, modulatedSpectrum};
    Controller controller;
};

TEST_F(ControllerTest, StartUpSetsTheParametersThroughTheBars)
{
    EXPECT_EQ(State().messageFrequencyDaHz, 0.5);
    EXPECT_EQ(State().carrierFrequencyDaHz, 6.4);
    EXPECT_EQ(State().depth, 1.0);
    EXPECT_EQ(panel.boxes, (std::array<std::string, 3>{" 5", " 64", "1"}));
    EXPECT_EQ(State().messageAverageCount, 0);
    EXPECT_EQ(State().modulatedAverageCount, 0);
}

// pos/64 and its hundredfold are exact in binary, so the cut is plain
// integer division here.
std::string MessageText(int position, const std::string& point)
{
    const int tenths = 100 * position / 64;
    return " " + std::to_string(tenths / 10) + (tenths % 10 ? point + std::to_string(tenths % 10) : "");
}

struct DecimalPoint : ControllerTest, ::testing::WithParamInterface<const char*> {
    DecimalPoint() : ControllerTest(GetParam()) {}
};

TEST_P(DecimalPoint, EveryBarPositionSetsItsParameterAndBox)
{
    const std::string point = GetParam();
    for (int position = 16; position <= 64; ++position) {
        panel.SetBarPosition(Bar::messageFrequency, position);
        EXPECT_EQ(State().messageFrequencyDaHz, position / 64.0) << position;
        EXPECT_EQ(panel.boxes[0], MessageText(position, point)) << position;
        panel.SetBarPosition(Bar::carrierFrequency, position);
        EXPECT_EQ(State().carrierFrequencyDaHz, position / 5.0) << position;
        EXPECT_EQ(panel.boxes[1], " " + std::to_string(2 * position)) << position;
    }
    const char* depths[] = {"2", "1.8", "1.6", "1.4", "1.2", "1", "0.8", "0.6", "0.4", "0.2"};
    for (int position = 9; position >= 0; --position) {
        panel.SetBarPosition(Bar::depth, position);
        std::string shown = depths[position];
        if (const auto dot = shown.find('.'); dot != std::string::npos)
            shown.replace(dot, 1, point);
        EXPECT_EQ(panel.boxes[2], shown) << position;
        // Read back from the box's text: exactly (10 - position) / 5 in either format.
        EXPECT_EQ(State().depth, (10 - position) / 5.0) << position;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, DecimalPoint, ::testing::Values(".", ","));

struct RestartCase {
    const char* name;
    std::function<void(Controller&)> act;
    bool messageRestarts;
    bool modulatedRestarts;
};

struct Restarts : ControllerTest, ::testing::WithParamInterface<RestartCase> {};

TEST_P(Restarts, OnlyTheAffectedAveragesStartAgain)
{
    State().messageAverageCount = 5;
    State().modulatedAverageCount = 5;
    GetParam().act(controller);
    EXPECT_EQ(State().messageAverageCount, GetParam().messageRestarts ? 0 : 5);
    EXPECT_EQ(State().modulatedAverageCount, GetParam().modulatedRestarts ? 0 : 5);
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, Restarts,
    ::testing::Values(RestartCase{"MessageFrequency", [](Controller& c) { c.BarChanged(Bar::messageFrequency); },
                                  true, true},
                      RestartCase{"CarrierFrequency", [](Controller& c) { c.BarChanged(Bar::carrierFrequency); },
                                  false, true},
                      RestartCase{"Depth", [](Controller& c) { c.BarChanged(Bar::depth); }, false, true},
                      RestartCase{"Both", [](Controller& c) { c.PictureClicked(Picture::messageSpectrum); }, true, true},
                      RestartCase{"Modulated", [](Controller& c) { c.ListChosen(List::scheme); }, false, true},
                      RestartCase{"TwoSided", [](Controller& c) { c.SwitchChanged(Switch::twoSided); }, false, false},
                      RestartCase{"Memory", [](Controller& c) { c.SwitchChanged(Switch::memory); }, false, false},
                      RestartCase{"Pause", &Controller::TogglePause, false, false},
                      RestartCase{"LinearSwitch", [](Controller& c) { c.SwitchChanged(Switch::linear); }, true, true},
                      RestartCase{"TraceSwitch", [](Controller& c) { c.SwitchChanged(Switch::modulatedTrace); },
                                  false, false},
                      RestartCase{"TimeZoomBar", [](Controller& c) { c.BarChanged(Bar::timeZoom); }, false, false},
                      RestartCase{"DepthBar", [](Controller& c) { c.BarChanged(Bar::depth); }, false, true},
                      RestartCase{"TypeChosen", [](Controller& c) { c.ListChosen(List::messageType); }, true, true},
                      RestartCase{"SchemeChosen", [](Controller& c) { c.ListChosen(List::scheme); }, false, true},
                      RestartCase{"SpectrumClicked",
                                  [](Controller& c) { c.PictureClicked(Picture::modulatedSpectrum); }, true, true},
                      RestartCase{"TraceClicked", [](Controller& c) { c.PictureClicked(Picture::message); }, false,
                                  false}),
    CaseName{});

TEST_F(ControllerTest, SwitchesShowTheirStateAndGreyedCountsAsNeither)
{
    const std::pair<CheckState, std::int16_t> markers[] = {
        {CheckState::checked, 10448}, {CheckState::greyed, 6000}, {CheckState::unchecked, 6000}};
    for (const auto& [state, x] : markers) {
        panel.frame.twoSided = state;
        controller.SwitchChanged(Switch::twoSided);
        EXPECT_EQ(panel.markerX, x) << state;
    }
    for (CheckState state : {CheckState::checked, CheckState::greyed, CheckState::unchecked}) {
        panel.frame.memory = state;
        controller.SwitchChanged(Switch::memory);
    }
    EXPECT_EQ(panel.captionColours, (std::vector<std::int32_t>{kMemoryColour, 0x000000}));
}

TEST_F(ControllerTest, PauseStopsTheClockAndContinueStartsIt)
{
    controller.TogglePause();
    EXPECT_FALSE(panel.clockRunning);
    EXPECT_EQ(panel.frame.pause, PauseState::paused);
    controller.Tick();
    EXPECT_EQ(State().messageAverageCount, 0) << "a paused display draws no frame";
    controller.TogglePause();
    EXPECT_TRUE(panel.clockRunning);
    EXPECT_EQ(panel.frame.pause, PauseState::running);
    controller.Tick();
    EXPECT_EQ(State().messageAverageCount, 1);
}

// A panel that asks for a frame while one runs, as a message box inside a
// frame lets the clock through.
struct ReenteringPanel : FakePanel {
    CheckState SwitchState(Switch which) const override
    {
        if (++calls == 1)
            controller->Tick();
        return FakePanel::SwitchState(which);
    }
    mutable int calls = 0;
};

TEST(ControllerFrames, AFrameNeverStartsInsideAnother)
{
    ReenteringPanel panel;
    RecordingSurface surface;
    Controller controller(panel, FramePictures{surface, surface, surface, surface, surface}, ".");
    panel.controller = &controller;
    controller.StartUp();
    controller.Tick();
    EXPECT_EQ(controller.State().messageAverageCount, 1);
    controller.Tick();
    EXPECT_EQ(controller.State().messageAverageCount, 2);
}

TEST_F(ControllerTest, ExperimentSetUpStartsFromAFreshRunningDisplay)
{
    panel.frame.memory = CheckState::checked;
    panel.frame.twoSided = CheckState::checked;
    panel.bars[static_cast<std::size_t>(Bar::timeZoom)] = 3;
    controller.TogglePause();
    State().messageAverageCount = 5;
    controller.SetUpExperiment(1);
    EXPECT_EQ(panel.frame.messageType, MessageType::sine);
    EXPECT_EQ(panel.frame.scheme, Scheme::am);
    EXPECT_EQ(panel.boxes, (std::array<std::string, 3>{" 5.1", " 74", "1"}));
    EXPECT_EQ(panel.frame.memory, CheckState::unchecked);
    EXPECT_EQ(panel.frame.twoSided, CheckState::unchecked);
    EXPECT_EQ(panel.frame.modulatedTrace, CheckState::checked);
    EXPECT_EQ(panel.BarPosition(Bar::timeZoom), 1);
    EXPECT_EQ(State().messageAverageCount, 0);
    EXPECT_EQ(panel.frame.pause, PauseState::running);

    const FakePanel before = panel;
    for (int number : {0, 9, -1})
        controller.SetUpExperiment(number);
    EXPECT_EQ(panel.boxes, before.boxes);
    EXPECT_EQ(panel.frame.scheme, before.frame.scheme);
}

TEST_F(ControllerTest, AHiddenModulatedTraceReadsAsNothing)
{
    controller.Tick();
    EXPECT_TRUE(std::holds_alternative<std::monostate>(controller.ReadingAt(Picture::modulated, 100, 45)));
    panel.frame.modulatedTrace = CheckState::checked;
    EXPECT_TRUE(std::holds_alternative<TraceReading>(controller.ReadingAt(Picture::modulated, 100, 45)));
    EXPECT_TRUE(std::holds_alternative<TraceReading>(controller.ReadingAt(Picture::carrier, 100, 45)));
    EXPECT_TRUE(std::holds_alternative<SpectrumReading>(controller.ReadingAt(Picture::messageSpectrum, 100, 45)));
}

// The switch recolours the held copies and Memory's caption. Paused, both
// spectra are drawn again at once, from the averages as the last frame left
// them (none before the first): the same segments in the new colour.
struct ColourCase {
    const char* name;
    bool colourBlind;
    bool paused;
    std::int32_t held;
};

struct ColourSwitch : ControllerTest, ::testing::WithParamInterface<ColourCase> {};

TEST_P(ColourSwitch, RecoloursTheHeldCopiesAndTheCaption)
{
    const ColourCase& c = GetParam();
    controller.TogglePause();
    controller.SetColourBlind(c.colourBlind);
    EXPECT_EQ(messageSpectrum.clears, 0);
    controller.TogglePause();
    panel.SetSwitch(Switch::memory, true);
    controller.Tick();
    controller.Tick();
    if (c.paused)
        controller.TogglePause();
    const auto before = std::make_unique<SignalState>(State());
    const std::vector<Segment> drawn = messageSpectrum.segments;

    controller.SetColourBlind(c.colourBlind);
    controller.Tick();
    EXPECT_EQ(panel.captionColours.back(), c.held);
    for (const RecordingSurface* spectrum : {&messageSpectrum, &modulatedSpectrum})
        EXPECT_EQ(spectrum->segments.front().colour, c.held) << "the held copy is drawn first";
    EXPECT_EQ(messageSpectrum.segments.back().colour, kMessageColour);
    if (c.paused) {
        EXPECT_EQ(State().messageSpectrum, before->messageSpectrum);
        EXPECT_EQ(State().messageAverageCount, before->messageAverageCount);
        ASSERT_EQ(messageSpectrum.segments.size(), drawn.size());
        for (std::size_t i = 0; i < drawn.size(); ++i)
            ASSERT_EQ(messageSpectrum.segments[i].y2, drawn[i].y2) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, ColourSwitch,
                         ::testing::Values(ColourCase{"UsualRunning", false, false, kMemoryColour},
                                           ColourCase{"ColourBlindRunning", true, false, 0x785098},
                                           ColourCase{"UsualPaused", false, true, kMemoryColour},
                                           ColourCase{"ColourBlindPaused", true, true, 0x785098}),
                         CaseName{});

// A receiver never opened has no pictures yet: they read nothing, and the
// cursor finds no place on them.
TEST_F(ControllerTest, AReceiverNeverOpenedReadsAsNothing)
{
    controller.Tick();
    for (ReceiverPicture picture : {ReceiverPicture::receivedSignal, ReceiverPicture::recoveredMessage}) {
        EXPECT_FALSE(controller.Drawn(picture));
        EXPECT_TRUE(std::holds_alternative<std::monostate>(controller.ReadingAt(picture, 100, 45)));
        EXPECT_TRUE(controller.ReadingsAcross(picture, 45).empty());
    }
}

}  // namespace
}  // namespace quorvane::testing
