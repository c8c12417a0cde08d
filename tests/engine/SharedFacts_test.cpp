// The texts and colours that the engine, the plots, the window and the tests
// all take from one place, pinned to the values the class sees.
#include <gtest/gtest.h>

#include "engine/Choices.h"
#include "plot/TraceColours.h"

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
}

}  // namespace
}  // namespace quorvane
