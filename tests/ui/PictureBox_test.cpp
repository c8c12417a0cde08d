#include <limits>

#include <gtest/gtest.h>

#include "plot/TraceColours.h"
#include "CaseName.h"
#include "ui/pictures/PictureBox.h"

namespace quorvane::testing {
namespace {

// A picture the size of a spectrum picture: 593 x 185 pixels outside,
// 589 x 181 inside the two-pixel border.
class PictureBoxTest : public ::testing::Test {
protected:
    PictureBoxTest()
    {
        picture.setGeometry(0, 0, 593, 185);
        picture.Clear();
    }

    QImage Shown() { return picture.grab().toImage(); }

    // The pixel under an inner point given in twips.
    static QColor At(const QImage& image, float x, float y)
    {
        return image.pixelColor(2 + static_cast<int>(x / 15.0f), 2 + static_cast<int>(y / 15.0f));
    }

    void Across(float y) { picture.DrawLine(0.0f, y, 8835.0f, y); }

    PictureBox picture;
    const QColor background = picture.palette().color(picture.backgroundRole());
};

TEST_F(PictureBoxTest, EachTraceInItsColourOnePixelWide)
{
    const std::pair<std::int32_t, QColor> colours[]{{kMessageColour, QColor(0, 128, 0)},
                                                    {kCarrierColour, QColor(128, 0, 128)},
                                                    {kModulatedColour, QColor(0, 0, 128)},
                                                    {kMemoryColour, QColor(128, 64, 0)},
                                                    {0x0000FF, QColor(255, 0, 0)}};
    for (std::size_t i = 0; i < std::size(colours); ++i) {
        picture.SetColour(colours[i].first);
        Across(300.0f * static_cast<float>(i + 1));
    }
    const QImage shown = Shown();
    for (std::size_t i = 0; i < std::size(colours); ++i) {
        const float y = 300.0f * static_cast<float>(i + 1);
        EXPECT_EQ(At(shown, 3000.0f, y), colours[i].second) << std::hex << colours[i].first;
        EXPECT_EQ(At(shown, 3000.0f, y - 15.0f), background);
        EXPECT_EQ(At(shown, 3000.0f, y + 15.0f), background);
    }
}

struct ClipCase {
    const char* name;
    float x1, y1, x2, y2;
    QPointF drawn;  // an inner point in twips that must be drawn; negative if none
};

class Clipping : public PictureBoxTest, public ::testing::WithParamInterface<ClipCase> {};

TEST_P(Clipping, DrawsOnlyTheInsideAndLeavesTheBorder)
{
    const QImage before = Shown();
    const ClipCase& c = GetParam();
    picture.SetColour(kModulatedColour);
    picture.DrawLine(c.x1, c.y1, c.x2, c.y2);
    const QImage after = Shown();
    for (const QPoint border : {QPoint(0, 0), QPoint(1, 1), QPoint(592, 184), QPoint(591, 100),
                                QPoint(300, 0), QPoint(300, 183), QPoint(0, 90)})
        EXPECT_EQ(after.pixelColor(border), before.pixelColor(border))
            << border.x() << "," << border.y();
    if (c.drawn.x() >= 0.0)
        EXPECT_EQ(At(after, c.drawn.x(), c.drawn.y()), QColor(0, 0, 128));
    else
        EXPECT_EQ(after, before);
}

constexpr float kHuge = 1e30f;

INSTANTIATE_TEST_SUITE_P(
    Segments, Clipping,
    ::testing::Values(
        ClipCase{"CrossesTheLeftEdge", -3000.0f, 300.0f, 3000.0f, 300.0f, {1500, 300}},
        ClipCase{"CrossesTheBottom", 4500.0f, 1000.0f, 4500.0f, 9000.0f, {4500, 2700}},
        ClipCase{"FromFarAboveToFarBelow", 4500.0f, -kHuge, 4500.0f, kHuge, {4500, 1200}},
        ClipCase{"WhollyAbove", 0.0f, -500.0f, 8835.0f, -100.0f, {-1, -1}},
        ClipCase{"WhollyBeyondTheRight", 9000.0f, 0.0f, 20000.0f, 2000.0f, {-1, -1}},
        ClipCase{"NotANumber",
                 std::numeric_limits<float>::quiet_NaN(),
                 300.0f,
                 3000.0f,
                 300.0f,
                 {-1, -1}},
        ClipCase{"HugeDiagonal", -kHuge, -kHuge, kHuge, kHuge, {1500, 1500}},
        ClipCase{
            "Infinite", 0.0f, 300.0f, std::numeric_limits<float>::infinity(), 300.0f, {-1, -1}}),
    CaseName{});

TEST_F(PictureBoxTest, KeepsItsPictureUntilCleared)
{
    picture.SetColour(kMessageColour);
    Across(300.0f);
    const QImage first = Shown();
    EXPECT_EQ(At(first, 150.0f, 300.0f), QColor(0, 128, 0));
    EXPECT_EQ(Shown(), first) << "a second repaint shows the same picture";
    picture.Clear();
    EXPECT_EQ(At(Shown(), 150.0f, 300.0f), background);
}

TEST_F(PictureBoxTest, ATraceLongerThanOneBatchIsDrawnWhole)
{
    picture.SetColour(kCarrierColour);
    constexpr int kStrokes = 40000;  // one pixel-high stroke per column, row by row
    for (int i = 0; i < kStrokes; ++i) {
        const float x = static_cast<float>(i % 589) * 15.0f;
        const float y = static_cast<float>(i / 589) * 15.0f;
        picture.DrawLine(x, y, x, y + 15.0f);
    }
    const QImage shown = Shown();
    EXPECT_EQ(At(shown, 0.0f, 0.0f), QColor(128, 0, 128));
    constexpr int kLast = kStrokes - 1;
    EXPECT_EQ(At(shown, (kLast % 589) * 15.0f, (kLast / 589) * 15.0f), QColor(128, 0, 128));
}

}  // namespace
}  // namespace quorvane::testing
