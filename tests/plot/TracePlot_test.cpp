#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "engine/SignalState.h"
#include "plot/TraceColours.h"
#include "plot/TracePlot.h"
#include "support/FakeControls.h"
#include "support/RecordingSurface.h"

namespace quorvane {
namespace {

constexpr std::int32_t kColour = kMessageColour;

class TracePlotTest : public ::testing::Test {
protected:
    SampleBuffer data{};
    testing::RecordingSurface surface;
    testing::FakeControls controls;

    void Plot() { PlotTrace(surface, data, kColour, controls); }

    // Height 2000 gives amplitude 900 and centre 1000, so sample n of this
    // ramp lands exactly at y = 1000 + n.
    void UseRamp()
    {
        surface.innerHeight = 2000.0f;
        for (int n = 0; n < kPoints; ++n)
            data[2 * n] = n / 900.0;
    }
};

struct StretchCase {
    const char* name;
    std::int16_t zoom;
    std::int16_t scroll;
    float step;
    int segments;
    int firstSample;
};

class TraceStretchTest : public TracePlotTest, public ::testing::WithParamInterface<StretchCase> {};

TEST_P(TraceStretchTest, DrawsEachSampleOneStepAfterTheLast)
{
    const StretchCase& c = GetParam();
    UseRamp();
    controls.timeZoom = c.zoom;
    controls.timeScroll = c.scroll;
    Plot();

    ASSERT_EQ(surface.segments.size(), 2u * c.segments);
    for (int i = 0; i < c.segments; ++i) {
        const float y = 1000.0f + static_cast<float>(c.firstSample + i);
        const testing::Segment& line = surface.segments[2 * i];
        const testing::Segment& lower = surface.segments[2 * i + 1];
        ASSERT_EQ(line.x1, i * c.step) << i;
        ASSERT_EQ(line.x2, (i + 1) * c.step) << i;
        ASSERT_EQ(line.y1, y) << i;
        ASSERT_EQ(line.y2, y + 1.0f) << i;
        ASSERT_EQ(lower.x1, line.x1) << i;
        ASSERT_EQ(lower.y1, y + 15.0f) << i;
        ASSERT_EQ(lower.y2, y + 16.0f) << i;
        ASSERT_EQ(line.colour, kColour) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    On8835Twips, TraceStretchTest,
    ::testing::Values(StretchCase{"Zoom1", 1, 0, 17.0f, 520, 0},
                      StretchCase{"Zoom2", 2, 0, 8.0f, 1104, 0},
                      StretchCase{"Zoom3", 3, 0, 5.0f, 1767, 0},
                      StretchCase{"Zoom4", 4, 0, 4.0f, 2209, 0},
                      StretchCase{"Zoom2Scroll3", 2, 3, 8.0f, 1104, 6},
                      StretchCase{"Zoom4Scroll16", 4, 16, 4.0f, 2209, 64}),
    [](const auto& info) { return info.param.name; });

TEST_F(TracePlotTest, ZeroBufferIsTwoFlatLinesAtTheCentre)
{
    Plot();
    ASSERT_EQ(surface.clears, 1);
    ASSERT_FALSE(surface.segments.empty());
    for (std::size_t s = 0; s < surface.segments.size(); ++s) {
        const float y = s % 2 == 0 ? 1357.0f : 1372.0f;  // floor(2715 / 2), one pixel lower
        ASSERT_EQ(surface.segments[s].y1, y) << s;
        ASSERT_EQ(surface.segments[s].y2, y) << s;
    }
}

TEST_F(TracePlotTest, OddEntriesNeverMatter)
{
    UseRamp();
    Plot();
    const std::vector<testing::Segment> clean = surface.segments;
    for (int n = 0; n < kPoints; ++n)
        data[2 * n + 1] = n % 2 == 0 ? 1e6 : std::numeric_limits<double>::quiet_NaN();
    Plot();

    ASSERT_EQ(surface.segments.size(), clean.size());
    for (std::size_t s = 0; s < clean.size(); ++s) {
        ASSERT_EQ(surface.segments[s].y1, clean[s].y1) << s;
        ASSERT_EQ(surface.segments[s].y2, clean[s].y2) << s;
    }
}

struct HeightCase {
    const char* name;
    float height;
    double value;
    float y;
};

class TraceHeightTest : public TracePlotTest, public ::testing::WithParamInterface<HeightCase> {};

TEST_P(TraceHeightTest, PlacesTheValue)
{
    const HeightCase& c = GetParam();
    surface.innerHeight = c.height;
    data.fill(c.value);
    Plot();

    ASSERT_FALSE(surface.segments.empty());
    EXPECT_EQ(surface.segments[0].y1, c.y);
    EXPECT_EQ(surface.segments[0].y2, c.y);
    EXPECT_EQ(surface.segments[1].y1, c.y + 15.0f);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

// Height 10: amplitude 4.5 rounds to 4, centre 5.
INSTANTIATE_TEST_SUITE_P(
    Cases, TraceHeightTest,
    ::testing::Values(HeightCase{"PlusOneBelowCentre", 2000.0f, 1.0, 1900.0f},
                      HeightCase{"MinusOneAboveCentre", 2000.0f, -1.0, 100.0f},
                      HeightCase{"AmplitudeRoundedFirst", 10.0f, 1.0, 9.0f},
                      HeightCase{"TieRoundsUpToEven", 10.0f, 0.125, 6.0f},
                      HeightCase{"TieRoundsDownToEven", 10.0f, 0.375, 6.0f},
                      HeightCase{"HeldAtTopOfRange", 2000.0f, 1e6, 32767.0f},
                      HeightCase{"HeldAtBottomOfRange", 2000.0f, -1e6, -32768.0f},
                      HeightCase{"InfinityHeld", 2000.0f, kInf, 32767.0f},
                      HeightCase{"NotANumberOnCentre", 2000.0f,
                                 std::numeric_limits<double>::quiet_NaN(), 1000.0f}),
    [](const auto& info) { return info.param.name; });

struct StepCase {
    const char* name;
    float width;
    std::int16_t zoom;
    std::size_t segments;
};

class TraceStepTest : public TracePlotTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(TraceStepTest, DrawsNothingWithoutAWholeStep)
{
    const StepCase& c = GetParam();
    surface.innerWidth = c.width;
    controls.timeZoom = c.zoom;
    Plot();
    EXPECT_EQ(surface.clears, 1);
    EXPECT_EQ(surface.segments.size(), c.segments);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TraceStepTest,
    ::testing::Values(StepCase{"ExactlyOneStep", 512.0f, 1, 2 * 512},
                      StepCase{"NarrowerThanOneStep", 511.0f, 1, 0},
                      StepCase{"NarrowerThanZoom4Needs", 2047.0f, 4, 0},
                      StepCase{"ZeroWidth", 0.0f, 1, 0}, StepCase{"ZoomZero", 8835.0f, 0, 0},
                      StepCase{"NegativeZoom", 8835.0f, -1, 0}),
    [](const auto& info) { return info.param.name; });

// Segments that would read outside the buffer are skipped; the rest stay at
// their usual places.
struct BoundsCase {
    const char* name;
    std::size_t entries;
    float width;
    std::int16_t scroll;
    std::int16_t zoom;
    std::size_t pairs;
    float firstX;
};

class TraceBoundsTest : public TracePlotTest, public ::testing::WithParamInterface<BoundsCase> {};

TEST_P(TraceBoundsTest, SkipsSegmentsOutsideTheBuffer)
{
    const BoundsCase& c = GetParam();
    const std::vector<double> buffer(c.entries, 0.0);
    surface.innerWidth = c.width;
    controls.timeScroll = c.scroll;
    controls.timeZoom = c.zoom;
    PlotTrace(surface, buffer, kColour, controls);

    ASSERT_EQ(surface.segments.size(), 2 * c.pairs);
    if (c.pairs > 0) {
        EXPECT_EQ(surface.segments[0].x1, c.firstX);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TraceBoundsTest,
    ::testing::Values(
        // Samples 0..10: the ten segments between them.
        BoundsCase{"ShortBuffer", 21, 8835.0f, 0, 1, 10, 0.0f},
        // The last entry, 16384, is sample 8192: segments from 8000 up to it.
        BoundsCase{"ScrollRunsPastTheEnd", kBufferEntries, 8835.0f, 8000, 1, 192, 0.0f},
        BoundsCase{"NegativeScroll", kBufferEntries, 8835.0f, -3, 1, 517, 51.0f},
        // 32767 x 4 held at 32767 rather than wrapping to -4 and drawing.
        BoundsCase{"StartSampleHeldNotWrapped", kBufferEntries, 8835.0f, 32767, 4, 0, 0.0f},
        // 1e8 wide at zoom 32767: step 5, 2e7 points held at 32767.
        BoundsCase{"PointCountHeld", 65538, 1e8f, 0, 32767, 32767, 0.0f}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quorvane
