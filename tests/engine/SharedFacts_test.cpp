// The texts and colours that the engine, the plots, the window and the tests
// all take from one place, pinned to the values the class sees.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "base/Units.h"
#include "engine/Choices.h"
#include "plot/TracePalette.h"

namespace quorvane {
namespace {

TEST(SharedFacts, ListTextsCaptionsAndTraceColours)
{
    EXPECT_EQ(kMessageTypeKeys,
              (std::array<std::string_view, 4>{"Sine Wave", "White Noise", "Filtered Noise",
                                               "Square Wave"}));
    EXPECT_EQ(kSchemeKeys, (std::array<std::string_view, 4>{"DSB-SC", "AM", "FM", "PM"}));
    EXPECT_EQ(Key(PauseState::running), "Pause");
    EXPECT_EQ(Key(PauseState::paused), "Cont");
    EXPECT_EQ(kMessageColour, 0x008000);
    EXPECT_EQ(kCarrierColour, 0x800080);
    EXPECT_EQ(kModulatedColour, 0x800000);
    EXPECT_EQ(kMemoryColour, 0x004080);
    // Until the colour-blind switch is on, the pictures keep these colours.
    EXPECT_EQ(PaletteFor(false).held, kMemoryColour);
    EXPECT_EQ(PaletteFor(false).recovered, 0xD000D0);
}

// A tone sin(i f / 32) at entry i = 2k turns f / 16 radians a sample; at the
// named sample rate that is ten times f hertz. The rate is irrational, so
// the two sides agree to rounding: 1e-15 relative is a few ulps.
TEST(SharedFacts, TheSampleRateIsWhatTheToneFormulaImplies)
{
    for (const double decahertz : {0.25, 0.5, 6.4, 12.8}) {
        const double radiansPerSample =
            2 * std::numbers::pi * kHertzPerDecahertz * decahertz / kSamplesPerSecond;
        EXPECT_NEAR(radiansPerSample, decahertz / 16, 1e-15 * decahertz) << decahertz;
    }
    EXPECT_EQ(kLastEven, 16382);
    EXPECT_EQ(kBufferEntries, 16385);
}

TEST(SharedFacts, ColoursComeApartRedFirst)
{
    const Rgb brown = ToRgb(kMemoryColour);
    EXPECT_EQ(brown.red, 128);
    EXPECT_EQ(brown.green, 64);
    EXPECT_EQ(brown.blue, 0);
    const Rgb darkBlue = ToRgb(kModulatedColour);
    EXPECT_EQ(darkBlue.red, 0);
    EXPECT_EQ(darkBlue.green, 0);
    EXPECT_EQ(darkBlue.blue, 128);
}

}  // namespace
}  // namespace quorvane
