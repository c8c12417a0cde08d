// The receiver's design table: every control inside the panel, each one a
// user operates reached by Tab and described for screen readers.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/HelpTexts.h"
#include "app/ReceiverDesign.h"

namespace quorvane::testing {
namespace {

bool Operated(ControlKind kind)
{
    return kind != ControlKind::Label && kind != ControlKind::Shape && kind != ControlKind::Image;
}

TEST(ReceiverDesign, EveryControlLiesInThePanelAndEveryOperatedOneHasTabAndHelp)
{
    const WindowDesign panel = ReceiverWindowDesign();
    const auto order = ReceiverFocusOrder();
    for (const ControlDesign& design : ReceiverControlDesigns()) {
        EXPECT_TRUE(design.box.left >= 0 && design.box.top >= 0 &&
                    design.box.left + design.box.width <= panel.clientWidth &&
                    design.box.top + design.box.height <= panel.clientHeight)
            << design.name;
        if (!Operated(design.kind))
            continue;
        EXPECT_EQ(std::count(order.begin(), order.end(), design.name), 1) << design.name;
        const ControlHelpText* help = HelpOf(design.name);
        ASSERT_NE(help, nullptr) << design.name;
        EXPECT_FALSE(help->name.empty()) << design.name;
    }
}

TEST(ReceiverDesign, EveryNamedBarBoxAndPictureIsInTheTable)
{
    const auto designs = ReceiverControlDesigns();
    for (std::string_view name :
         {ControlName(ReceiverBar::oscillatorPhase), ControlName(ReceiverBar::channelNoise),
          ControlName(ReceiverBox::oscillatorPhase), ControlName(ReceiverBox::channelNoise),
          ControlName(ReceiverBox::sinad), ControlName(ReceiverPicture::receivedSignal),
          ControlName(ReceiverPicture::recoveredMessage)})
        EXPECT_TRUE(std::any_of(designs.begin(), designs.end(),
                                [name](const ControlDesign& d) { return d.name == name; }))
            << name;
}

}  // namespace
}  // namespace quorvane::testing
