// A lesson's worth of clicking, compressed: the real window driven offscreen
// through tens of thousands of frames with a seeded random action every few
// frames, every rule of the signal state checked after each frame.
#include <QCheckBox>
#include <QTest>
#include <deque>
#include <random>
#include <sstream>
#include <string>

#include "WindowDriver.h"
#include "support/EnvironmentSize.h"
#include "ui/WindowFixture.h"

namespace quorvane::testing {
namespace {

// Past the 32767 limit of the spectrum counters with room to spare.
constexpr long kDefaultTicks = 40000;

long SoakTicks()
{
    return EnvironmentSize("QUORVANE_SOAK_TICKS", kDefaultTicks);
}

class Soak : public WindowTest {
protected:
    void SetUp() override { form->show(); }

    // Runs one action and remembers it, so a failure can say what led to it.
    std::string Act(WindowDriver& driver, Action action, std::uint8_t argument)
    {
        std::ostringstream step;
        step << "action " << static_cast<int>(action) << " argument " << static_cast<int>(argument)
             << (driver.Running() ? " running" : " paused");
        recent.push_back(step.str());
        if (recent.size() > 12)
            recent.pop_front();
        return driver.Do(action, argument);
    }

    std::string Recent() const
    {
        std::string text;
        for (const std::string& step : recent)
            text += "\n  " + step;
        return text;
    }

    std::mt19937 random{20240917u};
    std::deque<std::string> recent;
};

TEST_F(Soak, SeededRandomUsePastTheCounterLimit)
{
    WindowDriver driver(*form);
    const long ticks = SoakTicks();
    // Noisy at first and at the end; in between only actions that restart no
    // average, until the counters have stood at their top for a while.
    const long noisyUntil = ticks * 3 / 40;
    constexpr long kHeldAtTop = 500;
    bool quietDone = false;
    long nextAction = 0;
    long pausedFor = 0;
    long pauseLimit = 0;

    for (long tick = 0; tick < ticks; ++tick) {
        const std::string broken = driver.Tick();
        ASSERT_EQ(broken, "") << "after frame " << tick << ", following:" << Recent();

        const bool quiet = tick >= noisyUntil && !quietDone;
        if (quiet && driver.TicksAtCounterLimit() >= kHeldAtTop) {
            quietDone = true;
        }
        if (tick == noisyUntil)
            driver.LetGo();  // a drag still held could restart on its release

        if (!driver.Running()) {
            if (++pausedFor >= pauseLimit) {
                ASSERT_EQ(Act(driver, Action::Pause, 0), "");
                pausedFor = 0;
            }
        } else {
            pausedFor = 0;
        }

        if (tick < nextAction)
            continue;
        nextAction = tick + std::uniform_int_distribution<long>(1, 4)(random);
        Action action;
        std::uint8_t argument;
        do {
            action = DrawAction(random);
            argument = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(random));
        } while (quiet && !LeavesAveragesAlone(action, argument));
        if (action == Action::Pause && driver.Running())
            pauseLimit = std::uniform_int_distribution<long>(1, quiet ? 5 : 40)(random);
        ASSERT_EQ(Act(driver, action, argument), "") << "at frame " << tick << Recent();
    }
    driver.LetGo();

    EXPECT_EQ(driver.Ticks(), ticks);
    if (ticks >= kDefaultTicks) {
        EXPECT_GE(driver.TicksAtCounterLimit(), kHeldAtTop)
            << "the counters never reached their 16-bit top";
    }
    RecordProperty("running_frames", std::to_string(driver.RunningTicks()));
    RecordProperty("frames_at_counter_top", std::to_string(driver.TicksAtCounterLimit()));
}

// Left running untouched, the counters stop at their limit and the averages go on.
TEST_F(Soak, UntouchedCountersHoldAtTheirLimit)
{
    WindowDriver driver(*form);
    State().messageAverageCount = WindowDriver::kCounterLimit - 7;
    State().modulatedAverageCount = WindowDriver::kCounterLimit - 7;
    for (int tick = 0; tick < 20; ++tick)
        ASSERT_EQ(driver.Tick(), "") << "frame " << tick;
    EXPECT_EQ(State().messageAverageCount, WindowDriver::kCounterLimit);
    EXPECT_EQ(State().modulatedAverageCount, WindowDriver::kCounterLimit);
}

// The same limit reached quickly with the switches moving, so that even a
// shortened soak covers it; a restart from the top starts the count afresh.
TEST_F(Soak, CountersHoldAtTheirTopAndRestartFromIt)
{
    WindowDriver driver(*form);
    State().messageAverageCount = WindowDriver::kCounterLimit - 5;
    State().modulatedAverageCount = WindowDriver::kCounterLimit - 3;
    for (int tick = 0; tick < 20; ++tick) {
        ASSERT_EQ(driver.Tick(), "") << "frame " << tick;
        ASSERT_EQ(driver.Do(Action::CheckClick, static_cast<std::uint8_t>(tick % 4)), "");
    }
    EXPECT_EQ(State().messageAverageCount, WindowDriver::kCounterLimit);
    EXPECT_EQ(State().modulatedAverageCount, WindowDriver::kCounterLimit);

    QTest::mouseClick(&Get<QWidget>("modulatedSpectrumPicture"), Qt::LeftButton);
    EXPECT_EQ(State().messageAverageCount, 0);
    EXPECT_EQ(State().modulatedAverageCount, 0);
    ASSERT_EQ(driver.Tick(), "");
    EXPECT_EQ(State().messageAverageCount, 1);
    EXPECT_EQ(State().modulatedAverageCount, 1);
}

// Every scheme with every message type, each pair run long enough for its
// average to settle, with the switches in every state.
TEST_F(Soak, EveryMessageWithEverySchemeAndSwitchState)
{
    WindowDriver driver(*form);
    auto& messageTypes = Get<QComboBox>("messageTypeList");
    auto& schemes = Get<QComboBox>("schemeList");
    for (int message = 0; message < messageTypes.count(); ++message) {
        for (int scheme = 0; scheme < schemes.count(); ++scheme) {
            driver.Do(Action::ListChoose, static_cast<std::uint8_t>(message << 1));
            driver.Do(Action::ListChoose, static_cast<std::uint8_t>(scheme << 1 | 1));
            for (int check = 0; check < 15; ++check) {
                driver.Do(Action::CheckSet, static_cast<std::uint8_t>(check));
                ASSERT_EQ(driver.Tick(), "") << messageTypes.currentText().toStdString() << " / "
                                             << schemes.currentText().toStdString() << ", check " << check;
            }
        }
    }
}

}  // namespace
}  // namespace quorvane::testing
