#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "engine/ControlTexts.h"
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
        state->dDepth = 1.0;
        state->dCarrierFreq = 6.4;
        for (int i = 0; i < kUsedEntries; i += 2) {
            state->dDataSignal[i] = std::sin(i * 0.5 / 32.0);
            state->dCarrierSignal[i] = std::sin(i * 6.4 / 32.0);
        }
    }
    void Run(std::string_view scheme)
    {
        controls.cmbMod = scheme;
        tmrModulation(*state, controls);
    }
    void SetMessage(double value)
    {
        for (int i = 0; i < kUsedEntries; i += 2)
            state->dDataSignal[i] = value;
    }
};

TEST_F(Modulator, DsbScIsTheNegatedProductAtStartUpDepth)
{
    Run(kDsbSc);
    for (int i = 0; i < kUsedEntries; i += 2)
        ASSERT_EQ(state->dModSignal[i], -state->dDataSignal[i] * state->dCarrierSignal[i]) << i;
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
    state->dDepth = GetParam().depth;
    SetMessage(GetParam().message);
    Run(kAm);
    for (int i = 0; i < kUsedEntries; i += 2)
        ASSERT_EQ(state->dModSignal[i], GetParam().carrierFactor * state->dCarrierSignal[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Cases, AmEnvelope,
                         ::testing::Values(AmCase{"FullDepthPeakIsSilent", 1.0, 1.0, 0.0},
                                           AmCase{"FullDepthTroughIsTheCarrier", 1.0, -1.0, 1.0},
                                           AmCase{"OvermodulatedReversesTheCarrier", 2.0, 1.0, -0.5},
                                           AmCase{"SilentMessageHalvesTheCarrier", 1.0, 0.0, 0.5}),
                         [](const auto& info) { return info.param.name; });

TEST_F(Modulator, FmStartsWithTheFirstSampleAlreadySummed)
{
    state->dDepth = 2.0;
    state->dDataSignal[0] = 0.75;
    Run(kFm);
    EXPECT_EQ(state->dModSignal[0], std::sin(0.0 - (0.75 * 2.0) / 16.0));
}

TEST_F(Modulator, FmWithAConstantMessageShiftsTheFrequency)
{
    SetMessage(1.0);
    state->dDepth = 0.4;
    Run(kFm);
    for (int n = 0; n < kPoints; n += 97) {
        // The running sum and the phase are rounded differently from the
        // closed form; 1e-9 rad covers 8192 accumulated roundings.
        const double phase = n * (6.4 - 0.4) / 16.0 - 0.4 / 16.0;
        ASSERT_NEAR(state->dModSignal[2 * n], std::sin(phase), 1e-9) << n;
    }
}

TEST_F(Modulator, FmSumRestartsOnEveryCall)
{
    Run(kFm);
    const SampleBuffer first = state->dModSignal;
    Run(kFm);
    EXPECT_EQ(first, state->dModSignal);
}

TEST_F(Modulator, PmShiftsThePhaseByDepthTimesMessage)
{
    state->dDepth = 1.5;
    state->dDataSignal[10] = 1.0;
    state->dDataSignal[12] = -1.0;
    state->dDataSignal[14] = 0.0;
    Run(kPm);
    EXPECT_EQ(state->dModSignal[10], std::sin(10 * 6.4 / 32.0 - 1.5));
    EXPECT_EQ(state->dModSignal[12], std::sin(12 * 6.4 / 32.0 + 1.5));
    EXPECT_EQ(state->dModSignal[14], state->dCarrierSignal[14]);
}

TEST_F(Modulator, AngleSchemesAtZeroDepthReproduceTheCarrier)
{
    state->dDepth = 0.0;
    for (const std::string_view scheme : {kFm, kPm}) {
        Run(scheme);
        for (int i = 0; i < kUsedEntries; i += 2)
            ASSERT_EQ(state->dModSignal[i], state->dCarrierSignal[i]) << scheme << " " << i;
    }
}

TEST_F(Modulator, NeverWritesOddEntriesOrTheLastEntry)
{
    state->dModSignal.fill(9.0);
    for (const std::string_view scheme : {kDsbSc, kAm, kFm, kPm}) {
        Run(scheme);
        for (int i = 1; i < kBufferEntries; i += 2)
            ASSERT_EQ(state->dModSignal[i], 9.0) << scheme << " " << i;
        ASSERT_EQ(state->dModSignal[16384], 9.0) << scheme;
    }
}

TEST_F(Modulator, UnknownSchemeWritesNothing)
{
    state->dModSignal.fill(9.0);
    for (const std::string_view scheme : {"", "am", "AM ", "SSB"}) {
        Run(scheme);
        for (double v : state->dModSignal)
            ASSERT_EQ(v, 9.0) << '"' << scheme << '"';
    }
}

}  // namespace
}  // namespace quorvane
