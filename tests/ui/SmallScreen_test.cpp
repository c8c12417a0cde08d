// A netbook's 1024 x 600 screen: the window opens at the largest step that fits.
#include <gtest/gtest.h>

#include <QApplication>

#include "support/OffscreenScreen.h"
#include "ui/magnification/Magnifier.h"
#include "ui/window/MainWindow.h"

namespace quorvane {
namespace {

TEST(SmallScreen, OpensAtTheLargestStepThatFitsAndZoomsNoFurther)
{
    MainWindow form;
    EXPECT_EQ(form.magnifier().zoom(), 0.8);  // 802 x 542 and a frame fit; 0.9 gives 903 x 610
    EXPECT_EQ(form.size(), QSize(802, 542));
    form.magnifier().zoomIn();
    EXPECT_EQ(form.magnifier().zoom(), 0.8);
}

}  // namespace
}  // namespace quorvane

int main(int argc, char* argv[])
{
    quorvane::testing::UseOffscreenScreen("offscreen-1024x600.json");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
