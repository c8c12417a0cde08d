// The keys a focused bar takes, as both front ends move it.
#include <gtest/gtest.h>

#include "app/BarKeys.h"
#include "ui/CaseName.h"

namespace quorvane::testing {
namespace {

struct KeyCase {
    const char* name;
    const char* bar;
    int now;
    BarKey key;
    int next;
};

struct BarKeys : ::testing::TestWithParam<KeyCase> {};

TEST_P(BarKeys, MoveTheBarInsideItsRange)
{
    const KeyCase& c = GetParam();
    const ControlDesign& bar = DesignOf(c.bar);
    EXPECT_EQ(PositionAfterKey(bar.scroll, bar.kind == ControlKind::HScrollBar, c.now, c.key), c.next);
}

// The frequency bars run 16 to 64 by 1 and 10; the vertical depth bar 0 to 9 by 1.
INSTANTIATE_TEST_SUITE_P(
    Keys, BarKeys,
    ::testing::Values(KeyCase{"RightOnHorizontal", "messageFrequencyBar", 32, BarKey::right, 33},
                      KeyCase{"LeftOnHorizontal", "messageFrequencyBar", 32, BarKey::left, 31},
                      KeyCase{"RightOnVertical", "depthBar", 5, BarKey::right, 4},
                      KeyCase{"UpOnVertical", "depthBar", 5, BarKey::up, 4},
                      KeyCase{"PageDown", "messageFrequencyBar", 32, BarKey::pageDown, 42},
                      KeyCase{"PageUpHeldAtMinimum", "messageFrequencyBar", 20, BarKey::pageUp, 16},
                      KeyCase{"Home", "carrierFrequencyBar", 40, BarKey::home, 16},
                      KeyCase{"End", "depthBar", 2, BarKey::end, 9}),
    CaseName{});

}  // namespace
}  // namespace quorvane::testing
