#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "base/Units.h"
#include "plot/PictureReading.h"

namespace quorvane {
namespace {

// Readings are printed to one or three decimals; a millionth is far below both.
constexpr double kTolerance = 1e-6;

struct TraceCase {
    const char* name;
    float x;
    std::int16_t zoom;
    std::int16_t scroll;
    std::optional<std::int32_t> sample;
};

// On a picture 8835 twips wide: zoom 1 puts a sample every 17 twips, zoom 2
// every 8, and the scroll moves the start by zoom samples.
class TraceReadout : public ::testing::TestWithParam<TraceCase> {};

TEST_P(TraceReadout, NamesTheSampleDrawnNearestThePointer)
{
    std::vector<double> data(16385);
    for (std::size_t n = 0; n < 8192; ++n)
        data[2 * n] = 0.001 * static_cast<double>(n);
    const TraceCase& c = GetParam();
    const auto reading = ReadTrace(data, c.x, 8835.0f, c.zoom, c.scroll);
    ASSERT_EQ(reading.has_value(), c.sample.has_value());
    if (!reading)
        return;
    EXPECT_EQ(reading->sample, *c.sample);
    EXPECT_NEAR(reading->seconds, *c.sample / (320.0 * M_PI), kTolerance);
    EXPECT_NEAR(reading->value, 0.001 * *c.sample, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TraceReadout,
    ::testing::Values(TraceCase{"LeftEdge", 0.0f, 1, 0, 0}, TraceCase{"NearestOfTwo", 42.0f, 1, 0, 2},
                      TraceCase{"ZoomAndScroll", 16.0f, 2, 3, 8},
                      TraceCase{"RightEdge", 8835.0f, 1, 0, 520},
                      TraceCase{"LeftOfThePicture", -20.0f, 1, 0, std::nullopt},
                      TraceCase{"NoStepOnAZoomOfZero", 100.0f, 0, 0, std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(TraceReadout, SampleAtTheMomentGivenAndNoneBeyondTheBuffer)
{
    EXPECT_NEAR(SampleSeconds(261), 0.260, 5e-4);  // printed "0.260 s"
    std::vector<double> shortBuffer(200);
    EXPECT_FALSE(ReadTrace(shortBuffer, 8000.0f, 8835.0f, 1, 0));
}

// A spectrum picture 8835 twips wide: 2048 points, one every 4.31 twips.
struct SpectrumFixture : ::testing::Test {
    std::unique_ptr<std::array<double, kPoints>> average = std::make_unique<std::array<double, kPoints>>();
    std::unique_ptr<std::array<double, kPoints>> held = std::make_unique<std::array<double, kPoints>>();
    SpectrumView View(bool live, bool memory, bool linear, bool twoSided) const
    {
        return {*average, *held, live, memory, linear, twoSided, 8835.0f};
    }
    static float X(int point) { return static_cast<float>(point) * 8835.0f / 2048.0f; }
};

TEST_F(SpectrumFixture, FrequencyOfTheBinOneAndTwoSided)
{
    EXPECT_NEAR(ReadSpectrum(View(false, false, true, false), X(522), 0.0f).hertz, 64.06, 0.01);
    EXPECT_NEAR(ReadSpectrum(View(false, false, true, false), X(2047), 0.0f).hertz, 251.2, 0.05);
    const SpectrumReading left = ReadSpectrum(View(false, false, true, true), X(1024 - 40), 0.0f);
    EXPECT_EQ(left.bin, 8192 - 40);
    EXPECT_NEAR(left.hertz, -4.9, 0.01);
    EXPECT_FALSE(left.liveDb || left.memoryDb);  // nothing drawn: the frequency alone
}

TEST_F(SpectrumFixture, SnapsToTheHighestBinWithinThreePixels)
{
    const float threePixels = 45.0f;
    (*average)[100] = 8.0;   // 10 points (about 3 pixels) right of the pointer
    (*average)[120] = 50.0;  // beyond reach, but the highest bin: 0 dB
    const SpectrumReading reading = ReadSpectrum(View(true, false, true, false), X(90), threePixels);
    EXPECT_EQ(reading.bin, 100);
    ASSERT_TRUE(reading.liveDb);
    EXPECT_NEAR(*reading.liveDb, 10.0 * std::log10(8.0 / 50.0), kTolerance);
    // A held line drawn taller than any live one nearby is snapped to as well.
    (*held)[95] = 9.0;
    EXPECT_EQ(ReadSpectrum(View(true, true, true, false), X(90), threePixels).bin, 95);
}

TEST_F(SpectrumFixture, LevelsLinearAndLogarithmicWithTheMemoryCopy)
{
    (*average)[10] = std::log(4.0);
    (*average)[20] = std::log(2.0);
    (*held)[20] = std::log(1.0);
    const SpectrumReading reading = ReadSpectrum(View(true, true, false, false), X(20), 0.0f);
    EXPECT_NEAR(*reading.liveDb, -3.0103, 1e-4);
    EXPECT_NEAR(*reading.memoryDb, -6.0206, 1e-4);
    // With the live trace hidden the memory copy is read, and snapped to.
    (*held)[21] = 5.0;
    const SpectrumReading memory = ReadSpectrum(View(false, true, false, false), X(20), 5.0f);
    EXPECT_EQ(memory.bin, 21);
    EXPECT_FALSE(memory.liveDb);
    EXPECT_TRUE(memory.memoryDb);
    EXPECT_FALSE(LevelDb(0.0, 0.0, true));  // a silent linear average has no level
}

}  // namespace
}  // namespace quorvane
