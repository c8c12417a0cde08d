#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "engine/Choices.h"
#include "engine/Modulator.h"
#include "support/FakeControls.h"

namespace quorvane {
namespace {

using testing::FakeControls;

struct Modulator : ::testing::Test {
    std::unique_ptr<SignalState> state = std::make_unique<SignalState>();
    FakeControls controls;

    Modulator()
    {
        state->depth = 1.0;
        state->carrierFrequencyDaHz = 6.4;
        for (int i = 0; i < kUsedEntries; i += 2) {
            state->messageSignal[i] = std::sin(i * 0.5 / 32.0);
            state->carrierSignal[i] = std::sin(i * 6.4 / 32.0);
        }
    }
    void Run(Scheme scheme)
    {
        controls.scheme = scheme;
        Modulate(*state, controls);
    }
    void SetMessage(double value)
    {
        for (int i = 0; i < kUsedEntries; i += 2)
            state->messageSignal[i] = value;
    }
};

TEST_F(Modulator, DsbScIsTheNegatedProductAtStartUpDepth)
{
    Run(Scheme::dsbSc);
    for (int i = 0; i < kUsedEntries; i += 2)
        ASSERT_EQ(state->modulatedSignal[i], -state->messageSignal[i] * state->carrierSignal[i]) << i;
}

struct AmCase {
    const char* name;
    double depth;
    double message;
    double carrierFactor;  // output as a multiple of the carrier
};

class AmEnvelope : public Modulator, public ::testing::WithParamInterface<AmCase> {};

TEST_P(AmEnvelope, FollowsHalfOfOneMinusDepthTimesMessage)
{
    state->depth = GetParam().depth;
    SetMessage(GetParam().message);
    Run(Scheme::am);
    for (int i = 0; i < kUsedEntries; i += 2)
        ASSERT_EQ(state->modulatedSignal[i], GetParam().carrierFactor * state->carrierSignal[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Cases, AmEnvelope,
                         ::testing::Values(AmCase{"FullDepthPeakIsSilent", 1.0, 1.0, 0.0},
                                           AmCase{"FullDepthTroughIsTheCarrier", 1.0, -1.0, 1.0},
                                           AmCase{"OvermodulatedReversesTheCarrier", 2.0, 1.0, -0.5},
                                           AmCase{"SilentMessageHalvesTheCarrier", 1.0, 0.0, 0.5}),
                         [](const auto& info) { return info.param.name; });

TEST_F(Modulator, FmStartsWithTheFirstSampleAlreadySummed)
{
    state->depth = 2.0;
    state->messageSignal[0] = 0.75;
    Run(Scheme::fm);
    EXPECT_EQ(state->modulatedSignal[0], std::sin(0.0 - (0.75 * 2.0) / 16.0));
}

TEST_F(Modulator, FmWithAConstantMessageShiftsTheFrequency)
{
    SetMessage(1.0);
    state->depth = 0.4;
    Run(Scheme::fm);
    for (int n = 0; n < kPoints; n += 97) {
        // The running sum and the phase are rounded differently from the
        // closed form; 1e-9 rad covers 8192 accumulated roundings.
        const double phase = n * (6.4 - 0.4) / 16.0 - 0.4 / 16.0;
        ASSERT_NEAR(state->modulatedSignal[2 * n], std::sin(phase), 1e-9) << n;
    }
}

TEST_F(Modulator, FmSumRestartsOnEveryCall)
{
    Run(Scheme::fm);
    const SampleBuffer first = state->modulatedSignal;
    Run(Scheme::fm);
    EXPECT_EQ(first, state->modulatedSignal);
}

TEST_F(Modulator, PmShiftsThePhaseByDepthTimesMessage)
{
    state->depth = 1.5;
    state->messageSignal[10] = 1.0;
    state->messageSignal[12] = -1.0;
    state->messageSignal[14] = 0.0;
    Run(Scheme::pm);
    EXPECT_EQ(state->modulatedSignal[10], std::sin(10 * 6.4 / 32.0 - 1.5));
    EXPECT_EQ(state->modulatedSignal[12], std::sin(12 * 6.4 / 32.0 + 1.5));
    EXPECT_EQ(state->modulatedSignal[14], state->carrierSignal[14]);
}

TEST_F(Modulator, AngleSchemesAtZeroDepthReproduceTheCarrier)
{
    state->depth = 0.0;
    for (const auto scheme : {Scheme::fm, Scheme::pm}) {
        Run(scheme);
        for (int i = 0; i < kUsedEntries; i += 2)
            ASSERT_EQ(state->modulatedSignal[i], state->carrierSignal[i]) << scheme << " " << i;
    }
}

TEST_F(Modulator, NeverWritesOddEntriesOrTheLastEntry)
{
    state->modulatedSignal.fill(9.0);
    for (const auto scheme : {Scheme::dsbSc, Scheme::am, Scheme::fm, Scheme::pm}) {
        Run(scheme);
        for (int i = 1; i < kBufferEntries; i += 2)
            ASSERT_EQ(state->modulatedSignal[i], 9.0) << scheme << " " << i;
        ASSERT_EQ(state->modulatedSignal[16384], 9.0) << scheme;
    }
}

}  // namespace
}  // namespace quorvane
