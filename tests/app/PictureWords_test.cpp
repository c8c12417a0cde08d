// A picture's peaks and words, from real frames run through the controller.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/PictureDescription.h"
#include "app/PicturePeaks.h"
#include "app/ReadoutText.h"
#include "base/Twips.h"
#include "support/FakePanel.h"
#include "support/FakeReceiverPanel.h"
#include "support/RecordingWindow.h"
#include "ui/CaseName.h"

namespace quorvane::testing {
namespace {

struct Case {
    const char* name;
    std::function<void(FakePanel&)> setUp;
    AnyPicture picture;
    std::string description;
    // The frequencies N reads, left to right, past the last of which it stays.
    std::vector<std::string> peaks;
};

// The controller keeps its own state; the receiver is open, with the
// envelope detector, until a case closes it.
struct PictureWordsTest : ::testing::TestWithParam<Case>, RecordingWindow {
    PictureWordsTest() : controller(panel, pictures, ".")
    {
        panel.controller = &controller;
        controller.StartUp();
        controller.OpenReceiver(receiverPanel, {received, recovered});
    }
    FakePanel panel;
    Controller controller;
    FakeReceiverPanel receiverPanel;
    RecordingSurface received{8835, 1095};
    RecordingSurface recovered{8835, 1095};
};

// The readout's snap at 100 %.
constexpr float kSnap = kReadoutSnapPixels * kTwipsPerPixel;

TEST_P(PictureWordsTest, DescribesAndStepsThroughThePeaks)
{
    const Case& c = GetParam();
    c.setUp(panel);
    for (int frame = 0; frame < 3; ++frame)
        controller.Tick();
    EXPECT_EQ(DescribePicture(controller, c.picture, kSnap, ".", {}, {}), c.description);
    const std::vector<Peak> peaks = FindPeaks(ReadAlong(controller, c.picture, kSnap), controller.LinearSpectra());
    std::vector<std::string> visited;
    for (auto at = PeakBeyond(peaks, std::nullopt, true); at; at = PeakBeyond(peaks, at, true)) {
        const Reading reading = controller.ReadingAt(c.picture, *at, kSnap);
        if (const auto* spectrum = std::get_if<SpectrumReading>(&reading))
            visited.push_back(HertzFigure(spectrum->hertz, "."));
        else
            visited.push_back(TraceFigures(std::get<TraceReading>(reading), "."));
    }
    EXPECT_EQ(visited, c.peaks);
    if (!peaks.empty()) {
        EXPECT_EQ(PeakBeyond(peaks, peaks.back().place.x, true), std::nullopt);
    }
}

void Experiment(FakePanel& panel, int number)
{
    panel.controller->SetUpExperiment(number);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureWordsTest,
    ::testing::Values(
        // The guide's first experiment: AM of a 74 Hz carrier by 5.1 Hz, linear.
        Case{"AmCarrierAndSidebands", [](FakePanel& p) { Experiment(p, 1); }, Picture::modulatedSpectrum,
             "Peaks, strongest first: 74.0 Hz, 0.0 dB; 68.8 Hz, \u22126.0 dB; 79.2 Hz, \u22126.0 dB",
             {"68.8 Hz", "74.0 Hz", "79.2 Hz"}},
        Case{"DsbScSidebandsOnALogScale",
             [](FakePanel& p) {
                 Experiment(p, 1);
                 p.Choose(Scheme::dsbSc);
                 p.SetSwitch(Switch::linear, false);
             },
             Picture::modulatedSpectrum, "Peaks, strongest first: 68.8 Hz, 0.0 dB; 79.2 Hz, 0.0 dB",
             {"68.8 Hz", "79.2 Hz"}},
        Case{"HeldCopyWhereOnlyItIsDrawn",
             [](FakePanel& p) {
                 Experiment(p, 1);
                 p.SetSwitch(Switch::memory, true);
                 p.SetSwitch(Switch::modulatedSpectrum, false);
             },
             Picture::modulatedSpectrum,
             "Peaks, strongest first: 74.0 Hz, memory 0.0 dB; 68.8 Hz, memory \u22126.0 dB; 79.2 Hz, memory \u22126.0 dB",
             {"68.8 Hz", "74.0 Hz", "79.2 Hz"}},
        Case{"SineCrestsGiveItsFrequency", [](FakePanel& p) { Experiment(p, 1); }, Picture::message,
             "Peak to peak 2.00; its crests repeat at 5.2 Hz", {"0.049 s\n1.00", "0.243 s\n1.00", "0.437 s\n1.00"}},
        Case{"HiddenModulatedTrace",
             [](FakePanel& p) {
                 Experiment(p, 1);
                 p.SetSwitch(Switch::modulatedTrace, false);
             },
             Picture::modulated, "Hidden: nothing is drawn", {}},
        // The envelope detector's output, read as it is drawn over the message.
        Case{"RecoveredAmMessage", [](FakePanel& p) { Experiment(p, 1); }, ReceiverPicture::recoveredMessage,
             "Peak to peak 2.00; its crests repeat at 5.1 Hz", {"0.048 s\n0.99", "0.243 s\n1.00", "0.437 s\n1.00"}},
        // The carrier's crests where the envelope stands clear of the trough.
        Case{"ReceivedAmSignal", [](FakePanel& p) { Experiment(p, 1); }, ReceiverPicture::receivedSignal,
             "Peak to peak 2.00",
             {"0.003 s\n0.44", "0.017 s\n0.24", "0.072 s\n0.13", "0.085 s\n0.30", "0.098 s\n0.51", "0.111 s\n0.72",
              "0.125 s\n0.89", "0.138 s\n0.98", "0.152 s\n0.99", "0.165 s\n0.88", "0.179 s\n0.73", "0.192 s\n0.51",
              "0.206 s\n0.31", "0.219 s\n0.13", "0.274 s\n0.23", "0.287 s\n0.44", "0.300 s\n0.65", "0.314 s\n0.84",
              "0.327 s\n0.94", "0.341 s\n1.00", "0.355 s\n0.92", "0.368 s\n0.80", "0.382 s\n0.59", "0.395 s\n0.38",
              "0.409 s\n0.19", "0.464 s\n0.17", "0.476 s\n0.37", "0.490 s\n0.57", "0.503 s\n0.78"}},
        Case{"ClosedReceiver",
             [](FakePanel& p) {
                 Experiment(p, 1);
                 p.controller->CloseReceiver();
             },
             ReceiverPicture::recoveredMessage, "Hidden: nothing is drawn", {}}),
    CaseName{});

}  // namespace
}  // namespace quorvane::testing
