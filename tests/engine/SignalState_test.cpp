#include <gtest/gtest.h>

#include <memory>

#include "engine/SignalState.h"

namespace quorvane {
namespace {

TEST(SignalState, StartsAllZero)
{
    const auto state = std::make_unique<SignalState>();
    EXPECT_EQ(state->dDataFreq, 0.0);
    EXPECT_EQ(state->dCarrierFreq, 0.0);
    EXPECT_EQ(state->dDepth, 0.0);
    EXPECT_EQ(state->iDataSpectrums, 0);
    EXPECT_EQ(state->iModSpectrums, 0);
    EXPECT_EQ(state->bDataMemory, kFalse);
    EXPECT_EQ(state->bModMemory, kFalse);
    for (double v : state->dModSpectrumMem)
        ASSERT_EQ(v, 0.0);
}

struct ResetCase {
    const char* name;
    bool bDataToo;
    std::int16_t dataAfter;
};

class ResetSpectraTest : public ::testing::TestWithParam<ResetCase> {};

TEST_P(ResetSpectraTest, RestartsTheRightCounters)
{
    SignalState state;
    state.iDataSpectrums = 7;
    state.iModSpectrums = 9;
    ResetSpectra(state, GetParam().bDataToo);
    EXPECT_EQ(state.iModSpectrums, 0);
    EXPECT_EQ(state.iDataSpectrums, GetParam().dataAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, ResetSpectraTest,
                         ::testing::Values(ResetCase{"ModulatedOnly", false, 7},
                                           ResetCase{"Both", true, 0}),
                         [](const auto& info) { return info.param.name; });

TEST(SignalState, ClearBuffersLeavesTheLastEntryAlone)
{
    const auto state = std::make_unique<SignalState>();
    state->dDataSignal.fill(3.0);
    state->dModSpectrumMem.fill(4.0);
    ClearBuffers(*state);
    for (int i = 0; i < kUsedEntries; ++i) {
        ASSERT_EQ(state->dDataSignal[i], 0.0) << i;
        ASSERT_EQ(state->dModSpectrumMem[i], 0.0) << i;
    }
    EXPECT_EQ(state->dDataSignal[16384], 3.0);
    EXPECT_EQ(state->dModSpectrumMem[16384], 4.0);
}

}  // namespace
}  // namespace quorvane
