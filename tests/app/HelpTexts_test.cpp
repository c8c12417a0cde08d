// The help both front ends show: every description and tooltip ends with the guide's hint.
#include <gtest/gtest.h>

#include "app/HelpTexts.h"

namespace quorvane::testing {
namespace {

TEST(HelpTexts, TheHintIsTheLastLineOrTheWholeText)
{
    EXPECT_EQ(WithGuideHint("Continue the display", "F1"), "Continue the display\nF1");
    EXPECT_EQ(WithGuideHint("", "F1"), "F1");
}

TEST(HelpTexts, EveryControlWithHelpHasANameAndIsFoundByIt)
{
    for (const ControlHelpText& help : ControlHelpTexts()) {
        EXPECT_FALSE(help.name.empty()) << help.control;
        EXPECT_EQ(HelpOf(help.control), &help);
    }
    EXPECT_EQ(HelpOf("nothing"), nullptr);
    EXPECT_NE(HelpOf("memoryButton", true)->toolTip.find("plum"), std::string_view::npos);
}

}  // namespace
}  // namespace quorvane::testing
