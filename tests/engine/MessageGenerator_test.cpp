#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/Choices.h"
#include "engine/MessageGenerator.h"
#include "engine/nrFFT.h"
#include "support/FakeControls.h"

namespace quorvane {
namespace {

using testing::FakeControls;

struct Generator : ::testing::Test {
    std::unique_ptr<SignalState> state = std::make_unique<SignalState>();
    FakeControls controls;
    NoiseSource noise;

    Generator() { state->messageFrequencyDaHz = 0.5; }
    void Run(MessageType type)
    {
        controls.messageType = type;
        GenerateMessage(*state, controls, noise);
    }
};

TEST_F(Generator, SineWaveIsTheToneAtEvenEntriesOnly)
{
    state->messageSignal.fill(7.0);
    Run(MessageType::sine);
    for (int k = 0; k < kPoints; ++k) {
        // Same expression as the generator, so the match is exact.
        ASSERT_EQ(state->messageSignal[2 * k], std::sin(2.0 * k * 0.5 / 32.0)) << k;
        ASSERT_EQ(state->messageSignal[2 * k + 1], 7.0) << k;
    }
    EXPECT_EQ(state->messageSignal[0], 0.0);
    // sin(k/32): tolerance of a few ulps for the rearranged argument.
    EXPECT_NEAR(state->messageSignal[2 * 100], std::sin(100.0 / 32.0), 1e-15);
    EXPECT_EQ(state->messageSignal[16384], 7.0);
}

TEST_F(Generator, SquareWaveIsExactlyZeroOrPlusMinusOneAndFollowsTheSine)
{
    Run(MessageType::square);
    EXPECT_EQ(state->messageSignal[0], 0.0);
    const double pi = std::acos(-1.0);
    int changes = 0;
    for (int k = 1; k < kPoints; ++k) {
        const double v = state->messageSignal[2 * k];
        ASSERT_TRUE(v == 1.0 || v == -1.0) << k;
        ASSERT_EQ(v > 0, std::sin(2.0 * k * 0.5 / 32.0) > 0) << k;
        if (k > 1 && v != state->messageSignal[2 * k - 2])
            ++changes;
    }
    // Phase step 1/32 per sample: a sign change every 32*pi samples.
    EXPECT_EQ(changes, static_cast<int>(std::floor((kPoints - 1) / (32.0 * pi))));
}

TEST_F(Generator, WhiteNoiseLiesInRangeChangesAndRepeatsPerRun)
{
    Run(MessageType::whiteNoise);
    const SampleBuffer first = state->messageSignal;
    for (int i = 0; i < kUsedEntries; i += 2) {
        ASSERT_GE(first[i], -1.0);
        ASSERT_LT(first[i], 1.0);
        ASSERT_EQ(first[i + 1], 0.0);
    }
    Run(MessageType::whiteNoise);
    EXPECT_NE(first, state->messageSignal);

    auto fresh = std::make_unique<SignalState>();
    NoiseSource freshRnd;
    GenerateMessage(*fresh, controls, freshRnd);
    EXPECT_EQ(first, fresh->messageSignal);
}

TEST(NoiseSource, DrawsStayBelowOneWithAMeanOfAHalf)
{
    NoiseSource noise;
    double sum = 0.0;
    constexpr int kDraws = 1 << 20;
    for (int n = 0; n < kDraws; ++n) {
        const float r = noise.Next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        sum += r;
    }
    // Standard error of the mean is 0.29 / sqrt(2^20) ~ 3e-4; allow 10 of them.
    EXPECT_NEAR(sum / kDraws, 0.5, 3e-3);
}

double PowerAt(const SampleBuffer& spectrum, int bin)
{
    return spectrum[2 * bin] * spectrum[2 * bin] + spectrum[2 * bin + 1] * spectrum[2 * bin + 1];
}

TEST_F(Generator, FilteredNoiseKeepsOnlyTheBinsBelowTheMessageFrequency)
{
    Run(MessageType::filteredNoise);
    Run(MessageType::filteredNoise);  // the second frame starts from the first one's imaginary parts
    int oddNonZero = 0;
    for (int i = 1; i < kUsedEntries; i += 2)
        oddNonZero += state->messageSignal[i] != 0.0;
    EXPECT_GT(oddNonZero, kPoints / 2);

    SampleBuffer spectrum = state->messageSignal;
    nrFFT::FFT(spectrum, kPoints, false);
    double kept = 0.0;
    double leaked = 0.0;
    for (int bin = 0; bin < kPoints; ++bin)
        (bin < 40 || bin >= 8153 ? kept : leaked) += PowerAt(spectrum, bin);
    // Only rounding noise of two 8192-point transforms may leak.
    EXPECT_LT(leaked, kept * 1e-20);
    EXPECT_GT(kept, 0.0);
}

TEST_F(Generator, SwitchingAwayFromFilteredNoiseKeepsTheOddEntries)
{
    Run(MessageType::filteredNoise);
    const SampleBuffer filtered = state->messageSignal;
    for (const auto type : {MessageType::sine, MessageType::whiteNoise, MessageType::square}) {
        Run(type);
        for (int i = 1; i < kUsedEntries; i += 2)
            ASSERT_EQ(state->messageSignal[i], filtered[i]) << type << " " << i;
    }
}

}  // namespace
}  // namespace quorvane
