#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/ControlTexts.h"
#include "engine/MessageGenerator.h"
#include "engine/nrFFT.h"
#include "support/FakeControls.h"

namespace quorvane {
namespace {

using testing::FakeControls;

struct Generator : ::testing::Test {
    std::unique_ptr<SignalState> state = std::make_unique<SignalState>();
    FakeControls controls;
    NoiseSource rnd;

    Generator() { state->dDataFreq = 0.5; }
    void Run(std::string_view type)
    {
        controls.cmbData = type;
        tmrGenerateSignal(*state, controls, rnd);
    }
};

TEST_F(Generator, SineWaveIsTheToneAtEvenEntriesOnly)
{
    state->dDataSignal.fill(7.0);
    Run(kSineWave);
    for (int k = 0; k < kPoints; ++k) {
        // Same expression as the generator, so the match is exact.
        ASSERT_EQ(state->dDataSignal[2 * k], std::sin(2.0 * k * 0.5 / 32.0)) << k;
        ASSERT_EQ(state->dDataSignal[2 * k + 1], 7.0) << k;
    }
    EXPECT_EQ(state->dDataSignal[0], 0.0);
    // sin(k/32): tolerance of a few ulps for the rearranged argument.
    EXPECT_NEAR(state->dDataSignal[2 * 100], std::sin(100.0 / 32.0), 1e-15);
    EXPECT_EQ(state->dDataSignal[16384], 7.0);
}

TEST_F(Generator, SquareWaveIsExactlyZeroOrPlusMinusOneAndFollowsTheSine)
{
    Run(kSquareWave);
    EXPECT_EQ(state->dDataSignal[0], 0.0);
    const double pi = std::acos(-1.0);
    int changes = 0;
    for (int k = 1; k < kPoints; ++k) {
        const double v = state->dDataSignal[2 * k];
        ASSERT_TRUE(v == 1.0 || v == -1.0) << k;
        ASSERT_EQ(v > 0, std::sin(2.0 * k * 0.5 / 32.0) > 0) << k;
        if (k > 1 && v != state->dDataSignal[2 * k - 2])
            ++changes;
    }
    // Phase step 1/32 per sample: a sign change every 32*pi samples.
    EXPECT_EQ(changes, static_cast<int>(std::floor((kPoints - 1) / (32.0 * pi))));
}

TEST_F(Generator, WhiteNoiseLiesInRangeChangesAndRepeatsPerRun)
{
    Run(kWhiteNoise);
    const SampleBuffer first = state->dDataSignal;
    for (int i = 0; i < kUsedEntries; i += 2) {
        ASSERT_GE(first[i], -1.0);
        ASSERT_LT(first[i], 1.0);
        ASSERT_EQ(first[i + 1], 0.0);
    }
    Run(kWhiteNoise);
    EXPECT_NE(first, state->dDataSignal);

    auto fresh = std::make_unique<SignalState>();
    NoiseSource freshRnd;
    tmrGenerateSignal(*fresh, controls, freshRnd);
    EXPECT_EQ(first, fresh->dDataSignal);
}

TEST(NoiseSource, DrawsStayBelowOneWithAMeanOfAHalf)
{
    NoiseSource rnd;
    double sum = 0.0;
    constexpr int kDraws = 1 << 20;
    for (int n = 0; n < kDraws; ++n) {
        const float r = rnd.Next();
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
    Run(kFilteredNoise);
    Run(kFilteredNoise);  // the second frame starts from the first one's imaginary parts
    int oddNonZero = 0;
    for (int i = 1; i < kUsedEntries; i += 2)
        oddNonZero += state->dDataSignal[i] != 0.0;
    EXPECT_GT(oddNonZero, kPoints / 2);

    SampleBuffer spectrum = state->dDataSignal;
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
    Run(kFilteredNoise);
    const SampleBuffer filtered = state->dDataSignal;
    for (const std::string_view type : {kSineWave, kWhiteNoise, kSquareWave}) {
        Run(type);
        for (int i = 1; i < kUsedEntries; i += 2)
            ASSERT_EQ(state->dDataSignal[i], filtered[i]) << type << " " << i;
    }
}

TEST_F(Generator, UnknownTypeLeavesTheBufferAlone)
{
    state->dDataSignal.fill(2.5);
    for (const std::string_view type : {"", "sine wave", "Sine Wave ", "Triangle"}) {
        Run(type);
        for (double v : state->dDataSignal)
            ASSERT_EQ(v, 2.5) << '"' << type << '"';
    }
}

}  // namespace
}  // namespace quorvane
