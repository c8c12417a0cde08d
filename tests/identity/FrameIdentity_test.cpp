// A window keeps sines, logarithms and modulated signals from frame to frame.
// Whatever it keeps, every tick must leave the same bits as the same frame
// cycle working everything out afresh: all nine buffers, both counters and
// flags, and every segment handed to every picture.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>

#include "app/Frame.h"
#include "engine/Choices.h"
#include "support/EnvironmentSize.h"
#include "support/FakeControls.h"
#include "support/RecordingWindow.h"

namespace quorvane {
namespace {

using testing::FakeControls;
using testing::RecordingSurface;
using testing::RecordingWindow;

// A window with its memo next to the same window without one.
struct Twins {
    RecordingWindow fast{true};
    RecordingWindow reference{false};

    void Tick(const FrameInputs& controls)
    {
        fast.Tick(controls);
        reference.Tick(controls);
    }

    // Applies the same change to both states.
    template <typename Change>
    void Both(Change change)
    {
        change(*fast.state);
        change(*reference.state);
    }
};

::testing::AssertionResult SameBuffer(const char* name, const SampleBuffer& fast,
                                      const SampleBuffer& reference)
{
    for (std::size_t i = 0; i < fast.size(); ++i)
        if (std::memcmp(&fast[i], &reference[i], sizeof(double)) != 0)
            return ::testing::AssertionFailure()
                   << name << "[" << i << "] is " << fast[i] << ", a fresh frame gives "
                   << reference[i];
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SamePicture(const char* name, const RecordingSurface& fast,
                                       const RecordingSurface& reference)
{
    if (fast.clears != reference.clears || fast.colourChanges != reference.colourChanges ||
        fast.foreColour != reference.foreColour)
        return ::testing::AssertionFailure() << name << ": clears or colours differ";
    if (fast.segments.size() != reference.segments.size())
        return ::testing::AssertionFailure() << name << ": " << fast.segments.size()
                                             << " segments, a fresh frame draws "
                                             << reference.segments.size();
    for (std::size_t i = 0; i < fast.segments.size(); ++i)
        if (std::memcmp(&fast.segments[i], &reference.segments[i], sizeof(testing::Segment)) != 0)
            return ::testing::AssertionFailure() << name << ": segment " << i << " differs";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Same(const Twins& twins)
{
    const SignalState& f = *twins.fast.state;
    const SignalState& r = *twins.reference.state;
    for (const auto& [name, fast, reference] :
         {std::tuple{"messageSignal", &f.messageSignal, &r.messageSignal},
          std::tuple{"modulatedSignal", &f.modulatedSignal, &r.modulatedSignal},
          std::tuple{"carrierSignal", &f.carrierSignal, &r.carrierSignal},
          std::tuple{"messageTransform", &f.messageTransform, &r.messageTransform},
          std::tuple{"messageSpectrum", &f.messageSpectrum, &r.messageSpectrum},
          std::tuple{"messageHeldSpectrum", &f.messageHeldSpectrum, &r.messageHeldSpectrum},
          std::tuple{"modulatedTransform", &f.modulatedTransform, &r.modulatedTransform},
          std::tuple{"modulatedSpectrum", &f.modulatedSpectrum, &r.modulatedSpectrum},
          std::tuple{"modulatedHeldSpectrum", &f.modulatedHeldSpectrum, &r.modulatedHeldSpectrum}}) {
        if (auto same = SameBuffer(name, *fast, *reference); !same)
            return same;
    }
    if (f.messageAverageCount != r.messageAverageCount || f.modulatedAverageCount != r.modulatedAverageCount)
        return ::testing::AssertionFailure() << "counters differ";
    if (f.messageHeld != r.messageHeld || f.modulatedHeld != r.modulatedHeld)
        return ::testing::AssertionFailure() << "held flags differ";
    const RecordingWindow& a = twins.fast;
    const RecordingWindow& b = twins.reference;
    for (const auto& [name, fast, reference] :
         {std::tuple{"messagePicture", &a.messagePicture, &b.messagePicture},
          std::tuple{"messageSpectrumPicture", &a.messageSpectrumPicture, &b.messageSpectrumPicture},
          std::tuple{"carrierPicture", &a.carrierPicture, &b.carrierPicture},
          std::tuple{"modulatedPicture", &a.modulatedPicture, &b.modulatedPicture},
          std::tuple{"modulatedSpectrumPicture", &a.modulatedSpectrumPicture, &b.modulatedSpectrumPicture}}) {
        if (auto same = SamePicture(name, *fast, *reference); !same)
            return same;
    }
    return ::testing::AssertionSuccess();
}

// A student at the controls: each tick, now and then, a list, a scroll bar, a
// check box or the pause button changes, with the restarts the handlers make.
class Student {
public:
    explicit Student(unsigned seed) : random_(seed) {}

    void Act(FakeControls& controls, Twins& twins)
    {
        switch (Pick(12)) {
        case 0:
            controls.messageType = kMessageTypes[Pick(4)];
            twins.Both([](SignalState& s) { RestartAverages(s, true); });
            break;
        case 1:
            controls.scheme = kSchemes[Pick(4)];
            twins.Both([](SignalState& s) { RestartAverages(s, false); });
            break;
        case 2: {
            const double f = (16 + Pick(49)) / 64.0;
            twins.Both([f](SignalState& s) {
                s.messageFrequencyDaHz = f;
                RestartAverages(s, true);
            });
            break;
        }
        case 3: {
            const double f = (16 + Pick(49)) / 5.0;
            twins.Both([f](SignalState& s) {
                s.carrierFrequencyDaHz = f;
                RestartAverages(s, false);
            });
            break;
        }
        case 4: {
            const double m = (10 - Pick(10)) / 5.0;
            twins.Both([m](SignalState& s) {
                s.depth = m;
                RestartAverages(s, false);
            });
            break;
        }
        case 5:
            controls.linear = Check();
            twins.Both([](SignalState& s) { RestartAverages(s, true); });
            break;
        case 6: controls.twoSided = Check(); break;
        case 7: controls.memory = Check(); break;
        case 8: controls.modulatedTrace = Check(); break;
        case 9: controls.modulatedSpectrum = Check(); break;
        case 10:
            controls.timeZoom = static_cast<std::int16_t>(1 + Pick(4));
            controls.timeScroll = static_cast<std::int16_t>(Pick(17));
            break;
        case 11: controls.pause = Pick(3) == 0 ? PauseState::paused : PauseState::running; break;
        }
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

private:
    // Mostly checked or unchecked, sometimes greyed.
    CheckState Check() { return Pick(8) == 0 ? CheckState::greyed : static_cast<CheckState>(Pick(2)); }

    std::mt19937 random_;
};

TEST(FrameIdentity, StartUpSettingsTickAfterTickMatchAFreshFrame)
{
    Twins twins;
    FakeControls controls;
    for (int tick = 0; tick < 60; ++tick) {
        twins.Tick(controls);
        ASSERT_TRUE(Same(twins)) << "tick " << tick;
    }
}

TEST(FrameIdentity, HeaviestSettingsInEveryTypeAndSchemeMatchAFreshFrame)
{
    FakeControls controls;
    controls.timeZoom = 4;
    controls.modulatedTrace = CheckState::checked;
    controls.modulatedSpectrum = CheckState::checked;
    controls.memory = CheckState::checked;
    controls.twoSided = CheckState::checked;
    for (const CheckState linear : {CheckState::unchecked, CheckState::checked}) {
        controls.linear = linear;
        for (const auto type : kMessageTypes) {
            for (const auto scheme : kSchemes) {
                Twins twins;
                controls.messageType = type;
                controls.scheme = scheme;
                for (int tick = 0; tick < 6; ++tick) {
                    twins.Tick(controls);
                    ASSERT_TRUE(Same(twins)) << type << " / " << scheme << ", linear " << linear
                                             << ", tick " << tick;
                }
            }
        }
    }
}

TEST(FrameIdentity, ThousandsOfTicksWithAStudentAtTheControlsMatchAFreshFrame)
{
    Twins twins;
    FakeControls controls;
    Student student(20261208);
    const long ticks = testing::EnvironmentSize("QUORVANE_STUDENT_TICKS", 3000);
    for (long tick = 0; tick < ticks; ++tick) {
        for (int actions = student.Pick(3); actions > 0; --actions)
            student.Act(controls, twins);
        twins.Tick(controls);
        ASSERT_TRUE(Same(twins)) << "tick " << tick << ": " << controls.messageType << " / "
                                 << controls.scheme;
    }
}

// Two windows with different settings, ticking in turn, each keep their own
// values and each match their own fresh twin.
TEST(FrameIdentity, TwoWindowsTickingInTurnEachMatchTheirOwnReference)
{
    Twins first;
    Twins second;
    FakeControls firstControls;
    FakeControls secondControls;
    firstControls.scheme = Scheme::fm;
    secondControls.scheme = Scheme::pm;
    secondControls.messageType = MessageType::square;
    secondControls.linear = CheckState::unchecked;
    second.Both([](SignalState& s) {
        s.messageFrequencyDaHz = 0.75;
        s.carrierFrequencyDaHz = 9.6;
        s.depth = 0.4;
    });
    Student student(7);
    for (int tick = 0; tick < 400; ++tick) {
        if (tick % 10 == 0)
            student.Act(tick % 20 == 0 ? firstControls : secondControls,
                        tick % 20 == 0 ? first : second);
        first.Tick(firstControls);
        second.Tick(secondControls);
        ASSERT_TRUE(Same(first)) << "first window, tick " << tick;
        ASSERT_TRUE(Same(second)) << "second window, tick " << tick;
    }
}

// Frequencies one unit in the last place apart, zeros of both signs and values
// outside the controls' range are different keys.
TEST(FrameIdentity, NeighbouringAndUnusualParametersAreNeverTakenForOneAnother)
{
    const double half = 0.5;
    const double values[] = {half,
                             std::nextafter(half, 1.0),
                             half,
                             std::nextafter(half, 0.0),
                             0.0,
                             -0.0,
                             0.0,
                             -3.25,
                             1e300,
                             std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::quiet_NaN(),
                             half};
    FakeControls controls;
    controls.modulatedTrace = CheckState::checked;
    controls.modulatedSpectrum = CheckState::checked;
    for (const auto type : {MessageType::sine, MessageType::square}) {
        for (const auto scheme : {Scheme::fm, Scheme::pm, Scheme::am}) {
            Twins twins;
            controls.messageType = type;
            controls.scheme = scheme;
            for (const double f : values) {
                for (const int which : {0, 1, 2}) {
                    twins.Both([f, which](SignalState& s) {
                        (which == 0 ? s.messageFrequencyDaHz : which == 1 ? s.carrierFrequencyDaHz : s.depth) = f;
                    });
                    twins.Tick(controls);
                    ASSERT_TRUE(Same(twins)) << type << " / " << scheme << ", value " << f
                                             << " in parameter " << which;
                }
            }
        }
    }
}

// A buffer written between ticks by anyone else is rewritten as the
// straightforward cycle would rewrite it, kept values or not.
TEST(FrameIdentity, BuffersChangedBetweenTicksAreRewrittenAlike)
{
    Twins twins;
    FakeControls controls;
    controls.scheme = Scheme::fm;
    controls.linear = CheckState::unchecked;
    std::mt19937 random(99);
    for (int tick = 0; tick < 200; ++tick) {
        const auto index = std::uniform_int_distribution<std::size_t>(0, kUsedEntries - 1)(random);
        const double value = std::uniform_real_distribution<double>(-5.0, 5.0)(random);
        const auto which = std::uniform_int_distribution<int>(0, 4)(random);
        twins.Both([=](SignalState& s) {
            SampleBuffer* buffers[] = {&s.messageSignal, &s.carrierSignal, &s.modulatedSignal,
                                       &s.messageSpectrum, &s.modulatedTransform};
            (*buffers[which])[index] = value;
        });
        if (tick % 50 == 25)
            controls.messageType = kMessageTypes[(tick / 50) % 4];
        twins.Tick(controls);
        ASSERT_TRUE(Same(twins)) << "tick " << tick;
    }
}

}  // namespace
}  // namespace quorvane
