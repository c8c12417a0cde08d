#include <gtest/gtest.h>
#include <QApplication>

#include "support/OffscreenScreen.h"

int main(int argc, char* argv[])
{
    quorvane::testing::UseOffscreenScreen();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
