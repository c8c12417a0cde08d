#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "app/Frame.h"
#include "engine/SignalState.h"
#include "plot/TraceColours.h"
#include "support/FakeControls.h"
#include "support/RecordingSurface.h"

namespace quorvane {
namespace {

constexpr std::int32_t kLive = kModulatedColour;
constexpr std::size_t kTraceSegments = 2 * 2048;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Positions arrive as singles (half an ulp near 2715 is 1.2e-4 twips), and the
// seven-digit 8.685890 differs from 40 / (2 ln 10) by 4e-8 relative (1.1e-4
// twips at this height); a thousandth of a twip covers both and is far below
// one pixel (15).
constexpr float kTwipTolerance = 1e-3f;

class SpectrumPlotTest : public ::testing::Test {
protected:
    SampleBuffer fft{};
    SampleBuffer average{};
    SampleBuffer held{};
    std::int16_t count = 0;
    bool memory = false;
    testing::RecordingSurface surface;
    testing::FakeControls controls;

    void Plot(bool drawLive = true)
    {
        AverageAndPlotSpectrum(fft, {average, held, count, memory}, surface, {kLive, kMemoryColour}, drawLive, controls,
                               nullptr);
    }
    void SetBin(int k, double re, double im = 0.0)
    {
        fft[2 * k] = re;
        fft[2 * k + 1] = im;
    }
    // The end of segment pair i of a trace (0: first drawn) is point i.
    const testing::Segment& Point(int trace, int i) const
    {
        return surface.segments[trace * kTraceSegments + 2 * i];
    }
    float H() const { return surface.innerHeight; }
};

struct AverageCase {
    const char* name;
    CheckState linear;
    double first;        // bin 100 after power 25
    double second;       // after power 1 on the next call
    double silentFirst;  // a silent bin after each call
    double silentSecond;
};

class AverageTest : public SpectrumPlotTest, public ::testing::WithParamInterface<AverageCase> {};

// Exact comparisons: each expected value is one logarithm and at most one
// halving, which the average reproduces bit for bit.
TEST_P(AverageTest, FirstCallReplacesSecondWeighsHalf)
{
    const AverageCase& c = GetParam();
    controls.linear = c.linear;
    average.fill(123.0);
    SetBin(100, 3.0, 4.0);
    Plot();
    EXPECT_EQ(count, 1);
    EXPECT_EQ(average[100], c.first);
    EXPECT_EQ(average[0], c.silentFirst);

    SetBin(100, 0.0, 1.0);
    Plot();
    EXPECT_EQ(count, 2);
    EXPECT_EQ(average[100], c.second);
    EXPECT_EQ(average[0], c.silentSecond);
    EXPECT_EQ(average[kPoints], 123.0);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, AverageTest,
    ::testing::Values(AverageCase{"Log", CheckState::unchecked, std::log(25.0), std::log(25.0) / 2, -10000.0,
                                  -5500.0},
                      AverageCase{"Linear", CheckState::checked, 25.0, 13.0, 0.0, 0.0},
                      AverageCase{"GreyedIsLog", CheckState::greyed, std::log(25.0), std::log(25.0) / 2,
                                  -10000.0, -5500.0}),
    [](const auto& info) { return info.param.name; });

TEST_F(SpectrumPlotTest, SilentLogLiveOnTopEdgeHeldOnBottomEdge)
{
    controls.linear = CheckState::unchecked;
    controls.memory = CheckState::checked;
    Plot();

    ASSERT_EQ(surface.segments.size(), 2 * kTraceSegments);
    for (int trace = 0; trace < 2; ++trace) {
        const testing::Segment& first = surface.segments[trace * kTraceSegments];
        const testing::Segment& firstLower = surface.segments[trace * kTraceSegments + 1];
        EXPECT_EQ(first.x1, 0.0f);
        EXPECT_EQ(first.y1, H());
        EXPECT_EQ(firstLower.y1, H() + 15.0f);
        const float edge = trace == 0 ? H() : 0.0f;
        for (int i = 0; i < 2048; ++i) {
            ASSERT_EQ(Point(trace, i).y2, edge) << trace << ' ' << i;
            ASSERT_EQ(surface.segments[trace * kTraceSegments + 2 * i + 1].y2, edge + 15.0f);
            ASSERT_EQ(Point(trace, i).x2, static_cast<float>(i * 8835.0 / 2048)) << i;
        }
    }
}

TEST_F(SpectrumPlotTest, LogPeakSitsBelowTopByItsShareOfTheRange)
{
    controls.linear = CheckState::unchecked;
    const double m = 5.0;
    SetBin(300, std::exp(m / 2));
    SetBin(301, std::exp((m / 0.95 - 8.7) / 2));  // just below the bottom value
    SetBin(302, std::exp((m / 0.95 - 8.6) / 2));  // just above it
    Plot();

    EXPECT_NEAR(Point(0, 300).y2, (m / 0.95 - m) / 8.685890 * H(), kTwipTolerance);
    EXPECT_EQ(Point(0, 301).y2, H());
    EXPECT_NEAR(Point(0, 302).y2, 8.6 / 8.685890 * H(), kTwipTolerance);
    EXPECT_EQ(Point(0, 299).y2, H());
}

TEST_F(SpectrumPlotTest, LinearPeakTenPercentBelowTopWhenSmallestIsZero)
{
    SetBin(10, 2.0);
    Plot();
    EXPECT_NEAR(Point(0, 10).y2, 0.1f * H(), kTwipTolerance);
    EXPECT_EQ(Point(0, 9).y2, H());
    EXPECT_EQ(Point(0, 11).y2, H());
}

struct SidesCase {
    const char* name;
    CheckState twoSided;
    int binAtLeft;
    int binAtCentre;
};

class SidesTest : public SpectrumPlotTest, public ::testing::WithParamInterface<SidesCase> {};

TEST_P(SidesTest, ChoosesTheBinsShown)
{
    const SidesCase& c = GetParam();
    controls.twoSided = c.twoSided;
    SetBin(c.binAtLeft, 2.0);                // power 4, the peak: 0.1 H
    SetBin(c.binAtCentre, std::sqrt(2.0));  // power 2: 0.55 H
    Plot();
    EXPECT_NEAR(Point(0, 0).y2, 0.1f * H(), kTwipTolerance);
    EXPECT_NEAR(Point(0, 1024).y2, 0.55f * H(), kTwipTolerance);
    EXPECT_EQ(Point(0, 1024).x2, surface.innerWidth / 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, SidesTest,
                         ::testing::Values(SidesCase{"OneSided", CheckState::unchecked, 0, 1024},
                                           SidesCase{"TwoSided", CheckState::checked, 7168, 0},
                                           SidesCase{"GreyedIsOneSided", CheckState::greyed, 0, 1024}),
                         [](const auto& info) { return info.param.name; });

TEST_F(SpectrumPlotTest, HeldCopyFrozenUntilUncheckedAndCheckedAgain)
{
    controls.memory = CheckState::checked;
    average[10000] = 7.0;
    held[kUsedEntries] = 9.0;
    SetBin(50, 1.0);
    Plot();
    EXPECT_TRUE(memory);
    const SampleBuffer taken = held;
    EXPECT_TRUE(std::equal(average.begin(), average.begin() + kUsedEntries, taken.begin()));
    EXPECT_EQ(taken[kUsedEntries], 9.0);

    SetBin(50, 0.0);
    SetBin(60, 3.0);
    Plot();
    Plot();
    EXPECT_EQ(held, taken);

    controls.memory = CheckState::unchecked;
    Plot();
    EXPECT_FALSE(memory);
    EXPECT_EQ(surface.segments.size(), kTraceSegments);
    EXPECT_EQ(held, taken);

    controls.memory = CheckState::checked;
    Plot();
    EXPECT_TRUE(memory);
    EXPECT_EQ(held[60], average[60]);
    EXPECT_NE(held[60], taken[60]);
}

TEST_F(SpectrumPlotTest, BoxStatesBetweenCallsAreNotSeen)
{
    controls.memory = CheckState::checked;
    SetBin(50, 1.0);
    Plot();
    const SampleBuffer taken = held;

    SetBin(60, 3.0);
    controls.memory = CheckState::unchecked;
    controls.memory = CheckState::checked;
    Plot();
    EXPECT_EQ(held, taken);

    controls.memory = CheckState::greyed;
    Plot();
    EXPECT_TRUE(memory);
    EXPECT_EQ(held, taken);
}

TEST_F(SpectrumPlotTest, GreyedMemoryBoxTakesNoCopy)
{
    controls.memory = CheckState::greyed;
    SetBin(50, 1.0);
    Plot();
    EXPECT_FALSE(memory);
    EXPECT_EQ(held[50], 0.0);
}

struct TracesCase {
    const char* name;
    CheckState memory;
    bool drawLive;
    std::vector<std::int32_t> colours;
};

class TracesTest : public SpectrumPlotTest, public ::testing::WithParamInterface<TracesCase> {};

TEST_P(TracesTest, DrawsHeldCopyFirstThenLive)
{
    const TracesCase& c = GetParam();
    controls.memory = c.memory;
    SetBin(5, 2.0);
    Plot(c.drawLive);

    EXPECT_EQ(surface.clears, 1);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(average[5], 4.0);
    ASSERT_EQ(surface.segments.size(), kTraceSegments * c.colours.size());
    for (std::size_t s = 0; s < surface.segments.size(); ++s)
        ASSERT_EQ(surface.segments[s].colour, c.colours[s / kTraceSegments]) << s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TracesTest,
    ::testing::Values(TracesCase{"LiveOnly", CheckState::unchecked, true, {kLive}},
                      TracesCase{"HeldUnderLive", CheckState::checked, true, {kMemoryColour, kLive}},
                      TracesCase{"HeldOnly", CheckState::checked, false, {kMemoryColour}},
                      TracesCase{"OnlyClears", CheckState::unchecked, false, {}}),
    [](const auto& info) { return info.param.name; });

struct CountCase {
    const char* name;
    std::int16_t before;
    std::int16_t after;
};

class CountTest : public SpectrumPlotTest, public ::testing::WithParamInterface<CountCase> {};

// Power 32767² over a zero average: the result is the power divided by the
// count used, so a wrapped or restarted count shows at once.
TEST_P(CountTest, CountsUpAndHoldsAtTheTop)
{
    const CountCase& c = GetParam();
    count = c.before;
    SetBin(0, 32767.0);
    Plot();
    const double power = 32767.0 * 32767.0;
    EXPECT_EQ(count, c.after);
    EXPECT_DOUBLE_EQ(average[0], power / c.after);  // within 4 ulps: one product and one division
}

INSTANTIATE_TEST_SUITE_P(Cases, CountTest,
                         ::testing::Values(CountCase{"FromRestart", 0, 1},
                                           CountCase{"CountsOn", 5, 6},
                                           CountCase{"ReachesTheTop", 32766, 32767},
                                           CountCase{"HeldAtTheTop", 32767, 32767},
                                           CountCase{"NegativeRestarts", -5, 1}),
                         [](const auto& info) { return info.param.name; });

// Whatever the average holds, every position handed to the surface is a
// number inside it (or one pixel below, for the second line).
struct DegenerateCase {
    const char* name;
    CheckState linear;
    double re3;
    double re4;
    bool allOnBottom;
};

class DegenerateTest : public SpectrumPlotTest,
                       public ::testing::WithParamInterface<DegenerateCase> {};

TEST_P(DegenerateTest, NothingUnusableReachesTheSurface)
{
    const DegenerateCase& c = GetParam();
    controls.linear = c.linear;
    controls.memory = CheckState::checked;
    SetBin(3, c.re3);
    SetBin(4, c.re4);
    Plot();

    ASSERT_EQ(surface.segments.size(), 2 * kTraceSegments);
    for (const testing::Segment& s : surface.segments) {
        ASSERT_TRUE(std::isfinite(s.x1) && std::isfinite(s.x2));
        ASSERT_GE(std::min(s.y1, s.y2), 0.0f);
        ASSERT_LE(std::max(s.y1, s.y2), H() + 15.0f);
    }
    EXPECT_EQ(Point(1, 3).y2, H());
    for (int i = 0; c.allOnBottom && i < 2048; ++i)
        ASSERT_EQ(Point(1, i).y2, H()) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DegenerateTest,
    ::testing::Values(DegenerateCase{"LinearSilence", CheckState::checked, 0.0, 0.0, true},
                      DegenerateCase{"LinearInfinitePower", CheckState::checked, 1e200, 0.0, true},
                      DegenerateCase{"LogInfinitePower", CheckState::unchecked, 1e200, 0.0, true},
                      DegenerateCase{"LinearNaN", CheckState::checked, kNaN, 2.0, false},
                      DegenerateCase{"LogNaNCountsAsSilent", CheckState::unchecked, kNaN, 2.0, false}),
    [](const auto& info) { return info.param.name; });

// A range of 0 would send the positive held values to minus infinity, the top
// edge; without a scale they belong on the bottom edge like the live trace.
TEST_F(SpectrumPlotTest, HeldCopyOnSilentLinearScaleLiesOnBottomEdge)
{
    controls.memory = CheckState::checked;
    memory = true;
    held.fill(5.0);
    Plot();
    ASSERT_EQ(surface.segments.size(), 2 * kTraceSegments);
    for (int i = 0; i < 2048; ++i)
        ASSERT_EQ(Point(0, i).y2, H()) << i;
}

TEST_F(SpectrumPlotTest, ShortArraysOnlyClear)
{
    std::vector<double> shortArray(100, 0.0);
    count = 3;
    AverageAndPlotSpectrum(fft, {shortArray, held, count, memory}, surface, {kLive, kMemoryColour}, true, controls,
                           nullptr);
    EXPECT_EQ(surface.clears, 1);
    EXPECT_TRUE(surface.segments.empty());
    EXPECT_EQ(count, 3);
}

}  // namespace
}  // namespace quorvane
