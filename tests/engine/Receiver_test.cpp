#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>

#include "engine/BandFilters.h"
#include "engine/MessageGenerator.h"
#include "engine/Modulator.h"
#include "engine/Receiver.h"
#include "support/FakeControls.h"

namespace quorvane {
namespace {

// A transmission and how it is received, at the start-up frequencies:
// message 5 Hz, carrier 64 Hz.
struct Link {
    Scheme scheme;
    double depth;
    Detector detector;
    int oscillatorStep = 0;
    int noiseStep = 0;
    MessageType type = MessageType::sine;
};

struct Reading {
    double sinad;
    double amplitude;  // the fitted scale of the message in what came back
    double peak;       // the recovered message's highest point past the settling
};

// Enough frames for the noisy figures to settle to within a fraction of a dB.
constexpr int kFrames = 6;

Reading Measure(const Link& link)
{
    auto signal = std::make_unique<SignalState>();
    auto receiver = std::make_unique<ReceiverState>();
    signal->messageFrequencyDaHz = 0.5;
    signal->carrierFrequencyDaHz = 6.4;
    signal->depth = link.depth;
    testing::FakeControls controls;
    controls.scheme = link.scheme;
    controls.messageType = link.type;
    NoiseSource noise;
    for (int frame = 0; frame < kFrames; ++frame) {
        GenerateMessage(*signal, controls, noise);
        WriteTone(signal->carrierSignal, signal->carrierFrequencyDaHz, nullptr);
        Modulate(*signal, controls);
        RunReceiver(*receiver, *signal, link.scheme,
                    {link.detector, link.oscillatorStep, link.noiseStep});
    }
    double peak = -std::numeric_limits<double>::infinity();
    for (int k = kSettlingPoints; k < kPoints - kSettlingPoints; ++k)
        peak = std::max(peak, receiver->recoveredMessage[2 * k]);
    return {ReceiverSinad(*receiver), std::abs(receiver->lastFit.scale), peak};
}

Detector OwnDetector(Scheme scheme)
{
    switch (scheme) {
        case Scheme::am: return Detector::envelope;
        case Scheme::dsbSc: return Detector::product;
        case Scheme::fm: return Detector::frequency;
        case Scheme::pm: break;
    }
    return Detector::phase;
}

struct TeachingCase {
    const char* name;
    std::function<void()> check;
};

const TeachingCase kCases[] = {
    {"AmFullDepthThroughTheEnvelope",
     [] { EXPECT_GE(Measure({Scheme::am, 1.0, Detector::envelope}).sinad, 15.0); }},
    {"AmOvermodulatedFoldsInTheEnvelope",
     [] {
         const Reading full = Measure({Scheme::am, 1.0, Detector::envelope});
         const Reading over = Measure({Scheme::am, 2.0, Detector::envelope});
         EXPECT_LE(over.sinad, full.sinad - 10.0);
         // Where the message passes 0.5 the envelope turns back: the folded
         // trace peaks at 0.5, not 1; 0.1 allows the output filter's ripple.
         EXPECT_LT(over.peak, 0.6);
         EXPECT_GT(full.peak, 0.9);
     }},
    {"AmOvermodulatedThroughTheProduct",
     [] { EXPECT_GE(Measure({Scheme::am, 2.0, Detector::product}).sinad, 20.0); }},
    {"DsbScEnvelopeIsTheMessagesSize",
     [] { EXPECT_LT(Measure({Scheme::dsbSc, 1.0, Detector::envelope}).sinad, 5.0); }},
    {"DsbScProductFollowsTheCosineOfItsPhase",
     [] {
         const Reading inStep = Measure({Scheme::dsbSc, 1.0, Detector::product, 0});
         const Reading at60 = Measure({Scheme::dsbSc, 1.0, Detector::product, 4});
         const Reading at90 = Measure({Scheme::dsbSc, 1.0, Detector::product, 6});
         EXPECT_GE(inStep.sinad, 20.0);
         EXPECT_GE(at60.sinad, 20.0);
         // About cos 60 = 0.5 of the in-step size, within 10 % of it.
         EXPECT_NEAR(at60.amplitude / inStep.amplitude, 0.5, 0.05);
         EXPECT_LT(at90.amplitude, 0.1 * inStep.amplitude);
     }},
    {"FmAndPmThroughTheirOwnDetectors",
     [] {
         EXPECT_GE(Measure({Scheme::fm, 1.0, Detector::frequency}).sinad, 20.0);
         EXPECT_GE(Measure({Scheme::pm, 1.0, Detector::phase}).sinad, 20.0);
     }},
    {"FmBeatsAmThroughTheSameNoise",
     [] {
         int compared = 0;
         for (int step = 1; step <= static_cast<int>(kChannelNoiseDecibels.size()); ++step) {
             const double am = Measure({Scheme::am, 1.0, Detector::envelope, 0, step}).sinad;
             if (am < 10.0 || am > 20.0)
                 continue;
             ++compared;
             EXPECT_GE(Measure({Scheme::fm, 1.0, Detector::frequency, 0, step}).sinad, am + 6.0)
                 << "noise step " << step;
         }
         EXPECT_GT(compared, 0);
     }},
    {"FiguresNeverRiseWithTheNoise",
     [] {
         for (const Scheme scheme : kSchemes) {
             double last = Measure({scheme, 1.0, OwnDetector(scheme)}).sinad;
             for (int step = 1; step <= static_cast<int>(kChannelNoiseDecibels.size()); ++step) {
                 const double now = Measure({scheme, 1.0, OwnDetector(scheme), 0, step}).sinad;
                 // 1 dB: one noisy figure against the next.
                 EXPECT_LE(now, last + 1.0) << scheme << " noise step " << step;
                 last = now;
             }
         }
     }},
    {"EveryMessageTypeHasAFigure",
     [] {
         for (const MessageType type : kMessageTypes)
             for (const Scheme scheme : kSchemes)
                 for (const Detector detector : kDetectors) {
                     const double sinad = Measure({scheme, 1.0, detector, 0, 3, type}).sinad;
                     EXPECT_TRUE(sinad >= kLeastSinad && sinad <= kMostSinad)
                         << type << " " << scheme << " " << Key(detector) << " " << sinad;
                 }
     }},
    {"NothingToMeasureReadsAsTheLeast",
     [] {
         auto silent = std::make_unique<SignalState>();
         silent->messageFrequencyDaHz = 0.5;
         silent->carrierFrequencyDaHz = 6.4;
         auto receiver = std::make_unique<ReceiverState>();
         RunReceiver(*receiver, *silent, Scheme::am, {Detector::envelope, 0, 5});
         EXPECT_EQ(ReceiverSinad(*receiver), kLeastSinad);
         EXPECT_EQ(SinadDecibels(0.0, 0.0), kLeastSinad);
         EXPECT_EQ(SinadDecibels(std::nan(""), 1.0), kLeastSinad);
         EXPECT_EQ(SinadDecibels(1.0, 0.0), kMostSinad);
         RestartReceiverAverage(*receiver);
         EXPECT_EQ(ReceiverSinad(*receiver), kLeastSinad);
         // A message frequency of 0 gives the filters no band at all.
         silent->messageFrequencyDaHz = 0.0;
         for (const Detector detector : kDetectors) {
             RunReceiver(*receiver, *silent, Scheme::fm, {detector, 0, 5});
             EXPECT_TRUE(std::isfinite(receiver->recoveredMessage[2 * 4096])) << Key(detector);
             EXPECT_EQ(ReceiverSinad(*receiver), kLeastSinad) << Key(detector);
         }
     }},
};

class TeachingCases : public ::testing::TestWithParam<TeachingCase> {};

TEST_P(TeachingCases, Hold) { GetParam().check(); }

INSTANTIATE_TEST_SUITE_P(Receiver, TeachingCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quorvane
