#include <gtest/gtest.h>

#include <memory>

#include "engine/SignalState.h"

namespace quorvane {
namespace {

TEST(SignalState, StartsAllZero)
{
    const auto state = std::make_unique<SignalState>();
    EXPECT_EQ(state->messageFrequencyDaHz, 0.0);
    EXPECT_EQ(state->carrierFrequencyDaHz, 0.0);
    EXPECT_EQ(state->depth, 0.0);
    EXPECT_EQ(state->messageAverageCount, 0);
    EXPECT_EQ(state->modulatedAverageCount, 0);
    EXPECT_FALSE(state->messageHeld);
    EXPECT_FALSE(state->modulatedHeld);
    for (double v : state->modulatedHeldSpectrum)
        ASSERT_EQ(v, 0.0);
}

struct ResetCase {
    const char* name;
    bool messageToo;
    std::int16_t dataAfter;
};

class ResetSpectraTest : public ::testing::TestWithParam<ResetCase> {};

TEST_P(ResetSpectraTest, RestartsTheRightCounters)
{
    SignalState state;
    state.messageAverageCount = 7;
    state.modulatedAverageCount = 9;
    RestartAverages(state, GetParam().messageToo);
    EXPECT_EQ(state.modulatedAverageCount, 0);
    EXPECT_EQ(state.messageAverageCount, GetParam().dataAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, ResetSpectraTest,
                         ::testing::Values(ResetCase{"ModulatedOnly", false, 7},
                                           ResetCase{"Both", true, 0}),
                         [](const auto& info) { return info.param.name; });

TEST(SignalState, ClearBuffersLeavesTheLastEntryAlone)
{
    const auto state = std::make_unique<SignalState>();
    state->messageSignal.fill(3.0);
    state->modulatedHeldSpectrum.fill(4.0);
    ClearBuffers(*state);
    for (int i = 0; i < kUsedEntries; ++i) {
        ASSERT_EQ(state->messageSignal[i], 0.0) << i;
        ASSERT_EQ(state->modulatedHeldSpectrum[i], 0.0) << i;
    }
    EXPECT_EQ(state->messageSignal[16384], 3.0);
    EXPECT_EQ(state->modulatedHeldSpectrum[16384], 4.0);
}

}  // namespace
}  // namespace quorvane
