// Small enough to run under memcheck: the window built, used through every
// kind of control for a thousand frames, and torn down, more than once, so
// that anything it loses on the way shows as a definite leak and any stray
// access as an error.
#include <QTest>
#include <memory>
#include <random>

#include "WindowDriver.h"
#include "ui/WindowFixture.h"

namespace quorvane::testing {
namespace {

class FormMemory : public WindowTest {
protected:
    void SetUp() override { form->show(); }
};

TEST_F(FormMemory, AThousandFramesWithEveryControl)
{
    WindowDriver driver(*form);
    std::mt19937 random(1000u);
    for (int tick = 0; tick < 1000; ++tick) {
        ASSERT_EQ(driver.Tick(), "") << "frame " << tick;
        for (int step = std::uniform_int_distribution<int>(0, 2)(random); step > 0; --step) {
            const Action action = DrawAction(random);
            const auto argument = static_cast<std::uint8_t>(random());
            ASSERT_EQ(driver.Do(action, argument), "") << "frame " << tick;
        }
        if (!driver.Running() && tick % 7 == 0)
            driver.Do(Action::Pause, 0);
    }
    driver.LetGo();
    QCoreApplication::processEvents();
}

// Closed while paused, with a popup open and in the middle of a drag, each
// window goes with all it holds.
TEST_F(FormMemory, WindowsComeAndGoInAnyState)
{
    for (int round = 0; round < 3; ++round) {
        auto window = std::make_unique<MainWindow>();
        window->show();
        WindowDriver driver(*window);
        for (int tick = 0; tick < 10; ++tick)
            ASSERT_EQ(driver.Tick(), "");
        switch (round) {
            case 0: driver.Do(Action::Pause, 0); break;
            case 1: driver.Do(Action::ListPopup, 0); break;
            default: driver.Do(Action::DragStart, 2); break;
        }
        QCoreApplication::processEvents();
        window->close();
        window.reset();
        QCoreApplication::processEvents();
    }
}

}  // namespace
}  // namespace quorvane::testing
