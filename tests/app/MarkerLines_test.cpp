// Where the page draws the zero markers and the keyboard cursor's line.
#include <gtest/gtest.h>

#include "app/MarkerLines.h"

namespace quorvane::testing {
namespace {

TEST(MarkerLines, ZeroMarkersCentreOnTheirPlace)
{
    for (const MarkerLine& line : ZeroMarkerLines(6000)) {
        EXPECT_EQ(line.left, 6000 - 1.5f * 15);
        EXPECT_EQ(line.width, 3);
        EXPECT_EQ(line.height, 240);
    }
}

TEST(MarkerLines, TheCursorCrossesThePictureInsideItsBorder)
{
    const MarkerLine line = CursorLine({6000, 240, 8895, 1035}, 100);
    EXPECT_EQ(line.left, 6000 + 30 + 100);
    EXPECT_EQ(line.top, 240 + 30);
    EXPECT_EQ(line.height, 1035 - 60);
}

}  // namespace
}  // namespace quorvane::testing
