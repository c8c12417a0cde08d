// A picture's peaks and words, from real frames run through the controller.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/PictureDescription.h"
#include "app/PicturePeaks.h"
#include "app/ReadoutText.h"
#include "base/Twips.h"
#include "support/FakePanel.h"
#include "support/RecordingWindow.h"
#include "ui/CaseName.h"

namespace quorvane::testing {
namespace {

struct Case {
    const char* name;
    std::function<void(FakePanel&)> setUp;
    Picture picture;
    std::string description;
    // The frequencies N reads, left to right, past the last of which it stays.
    std::vector<std::string> peaks;
};

// Only the window's pictures are used: the controller keeps its own state.
struct PictureWordsTest : ::testing::TestWithParam<Case>, RecordingWindow {
    PictureWordsTest() : controller(panel, pictures, ".")
    {
        panel.controller = &controller;
        controller.StartUp();
    }
    FakePanel panel;
    Controller controller;
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
             Picture::modulated, "Hidden: nothing is drawn", {}}),
    CaseName{});

}  // namespace
}  // namespace quorvane::testing
