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

#include "engine/FrameCycle.h"
#include "engine/ControlTexts.h"
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

    void Tick(const FormControls& controls)
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
         {std::tuple{"dDataSignal", &f.dDataSignal, &r.dDataSignal},
          std::tuple{"dModSignal", &f.dModSignal, &r.dModSignal},
          std::tuple{"dCarrierSignal", &f.dCarrierSignal, &r.dCarrierSignal},
          std::tuple{"dDataFFT", &f.dDataFFT, &r.dDataFFT},
          std::tuple{"dDataSpectrum", &f.dDataSpectrum, &r.dDataSpectrum},
          std::tuple{"dDataSpectrumMem", &f.dDataSpectrumMem, &r.dDataSpectrumMem},
          std::tuple{"dModFFT", &f.dModFFT, &r.dModFFT},
          std::tuple{"dModSpectrum", &f.dModSpectrum, &r.dModSpectrum},
          std::tuple{"dModSpectrumMem", &f.dModSpectrumMem, &r.dModSpectrumMem}}) {
        if (auto same = SameBuffer(name, *fast, *reference); !same)
            return same;
    }
    if (f.iDataSpectrums != r.iDataSpectrums || f.iModSpectrums != r.iModSpectrums)
        return ::testing::AssertionFailure() << "counters differ";
    if (f.bDataMemory != r.bDataMemory || f.bModMemory != r.bModMemory)
        return ::testing::AssertionFailure() << "held flags differ";
    const RecordingWindow& a = twins.fast;
    const RecordingWindow& b = twins.reference;
    for (const auto& [name, fast, reference] :
         {std::tuple{"picData", &a.picData, &b.picData},
          std::tuple{"picSpectrum(0)", &a.picSpectrum0, &b.picSpectrum0},
          std::tuple{"picCarrier", &a.picCarrier, &b.picCarrier},
          std::tuple{"picModData", &a.picModData, &b.picModData},
          std::tuple{"picSpectrum(1)", &a.picSpectrum1, &b.picSpectrum1}}) {
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
            controls.cmbData = kMessageTypes[Pick(4)];
            twins.Both([](SignalState& s) { ResetSpectra(s, true); });
            break;
        case 1:
            controls.cmbMod = kSchemes[Pick(4)];
            twins.Both([](SignalState& s) { ResetSpectra(s, false); });
            break;
        case 2: {
            const double f = (16 + Pick(49)) / 64.0;
            twins.Both([f](SignalState& s) {
                s.dDataFreq = f;
                ResetSpectra(s, true);
            });
            break;
        }
        case 3: {
            const double f = (16 + Pick(49)) / 5.0;
            twins.Both([f](SignalState& s) {
                s.dCarrierFreq = f;
                ResetSpectra(s, false);
            });
            break;
        }
        case 4: {
            const double m = (10 - Pick(10)) / 5.0;
            twins.Both([m](SignalState& s) {
                s.dDepth = m;
                ResetSpectra(s, false);
            });
            break;
        }
        case 5:
            controls.chkLinear = Check();
            twins.Both([](SignalState& s) { ResetSpectra(s, true); });
            break;
        case 6: controls.chkTwoSides = Check(); break;
        case 7: controls.chkMemory = Check(); break;
        case 8: controls.chkPassband = Check(); break;
        case 9: controls.chkSpectrum = Check(); break;
        case 10:
            controls.hscDataZoom = static_cast<std::int16_t>(1 + Pick(4));
            controls.hscDataScroll = static_cast<std::int16_t>(Pick(17));
            break;
        case 11: controls.cmdPause = Pick(3) == 0 ? kPausedCaption : kRunningCaption; break;
        }
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

private:
    // Mostly checked or unchecked, sometimes greyed.
    int Check() { return Pick(8) == 0 ? kGreyed : Pick(2); }

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
    controls.hscDataZoom = 4;
    controls.chkPassband = kChecked;
    controls.chkSpectrum = kChecked;
    controls.chkMemory = kChecked;
    controls.chkTwoSides = kChecked;
    for (const int linear : {kUnchecked, kChecked}) {
        controls.chkLinear = linear;
        for (const std::string_view type : kMessageTypes) {
            for (const std::string_view scheme : kSchemes) {
                Twins twins;
                controls.cmbData = type;
                controls.cmbMod = scheme;
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
        ASSERT_TRUE(Same(twins)) << "tick " << tick << ": " << controls.cmbData << " / "
                                 << controls.cmbMod;
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
    firstControls.cmbMod = kFm;
    secondControls.cmbMod = kPm;
    secondControls.cmbData = kSquareWave;
    secondControls.chkLinear = kUnchecked;
    second.Both([](SignalState& s) {
        s.dDataFreq = 0.75;
        s.dCarrierFreq = 9.6;
        s.dDepth = 0.4;
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
    controls.chkPassband = kChecked;
    controls.chkSpectrum = kChecked;
    for (const std::string_view type : {kSineWave, kSquareWave}) {
        for (const std::string_view scheme : {kFm, kPm, kAm}) {
            Twins twins;
            controls.cmbData = type;
            controls.cmbMod = scheme;
            for (const double f : values) {
                for (const int which : {0, 1, 2}) {
                    twins.Both([f, which](SignalState& s) {
                        (which == 0 ? s.dDataFreq : which == 1 ? s.dCarrierFreq : s.dDepth) = f;
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
    controls.cmbMod = kFm;
    controls.chkLinear = kUnchecked;
    std::mt19937 random(99);
    for (int tick = 0; tick < 200; ++tick) {
        const auto index = std::uniform_int_distribution<std::size_t>(0, kUsedEntries - 1)(random);
        const double value = std::uniform_real_distribution<double>(-5.0, 5.0)(random);
        const auto which = std::uniform_int_distribution<int>(0, 4)(random);
        twins.Both([=](SignalState& s) {
            SampleBuffer* buffers[] = {&s.dDataSignal, &s.dCarrierSignal, &s.dModSignal,
                                       &s.dDataSpectrum, &s.dModFFT};
            (*buffers[which])[index] = value;
        });
        if (tick % 50 == 25)
            controls.cmbData = kMessageTypes[(tick / 50) % 4];
        twins.Tick(controls);
        ASSERT_TRUE(Same(twins)) << "tick " << tick;
    }
}

}  // namespace
}  // namespace quorvane
