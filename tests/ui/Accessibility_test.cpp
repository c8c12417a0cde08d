#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "engine/Choices.h"
#include "ui/pictures/PictureBox.h"
#include "ui/window/Utf8.h"
#include "WindowFixture.h"

namespace quorvane::testing {
namespace {

QString AccessibleText(QWidget& widget, QAccessible::Text which)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    return accessible ? accessible->text(which) : QString();
}

using AccessibilityTest = WindowTest;

TEST_F(AccessibilityTest, EveryControlIsNamedAsItReads)
{
    const std::pair<const char*, const char*> names[] = {
        {"messageTypeList", "Message type"},        {"messageFrequencyBar", "Message frequency"},
        {"carrierFrequencyBar", "Carrier frequency"}, {"schemeList", "Modulation scheme"},
        {"depthBar", "Modulation depth"},  {"memoryButton", "Memory"},
             {"twoSidedCheckBox", "Two-Sided Spectra"},
        {"linearCheckBox", "Linear Plots"},     {"modulatedTraceButton", "Modulated trace"},
        {"modulatedSpectrumButton", "Modulated spectrum trace"}, {"messagePicture", "Message signal"},
        {"messageSpectrumPicture", "Message spectrum"}, {"carrierPicture", "Carrier"},
        {"modulatedPicture", "Modulated signal"}, {"modulatedSpectrumPicture", "Modulated spectrum"},

    };
    for (const auto& [control, name] : names)
        EXPECT_EQ(Get<QWidget>(control).accessibleName(), name) << control;
}

// The label beside each list reaches the reader through the label relation.
TEST_F(AccessibilityTest, ListsAreRelatedToTheLabelBesideThem)
{
    for (const auto& [list, label] : {std::pair{"messageTypeList", "Signal Type"}, std::pair{"schemeList", "Modulation"}}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&Get<QWidget>(list));
        ASSERT_NE(accessible, nullptr) << list;
        QStringList labels;
        for (const auto& [other, relation] : accessible->relations(QAccessible::Label))
            labels << other->text(QAccessible::Name);
        EXPECT_TRUE(labels.contains(label)) << list;
    }
}

TEST_F(AccessibilityTest, PicturesSayWhatTheyShow)
{
    for (const char* picture : {"messagePicture", "messageSpectrumPicture", "carrierPicture", "modulatedPicture", "modulatedSpectrumPicture"})
        EXPECT_FALSE(AccessibleText(Get<QWidget>(picture), QAccessible::Description).isEmpty()) << picture;
}

TEST_F(AccessibilityTest, PauseButtonIsNamedByItsCaption)
{
    EXPECT_EQ(AccessibleText(Get<QWidget>("pauseButton"), QAccessible::Name), toQString(Key(PauseState::running)));
    QTest::mouseClick(&Get<QWidget>("pauseButton"), Qt::LeftButton);
    EXPECT_EQ(AccessibleText(Get<QWidget>("pauseButton"), QAccessible::Name), toQString(Key(PauseState::paused)));
}

// Tab from the first control reaches every control in the designed order, and
// a key on each changeable one changes it.
TEST_F(AccessibilityTest, KeyboardAloneReachesAndChangesEveryControl)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Get<QWidget>("messagePicture").setFocus();

    const auto scroll = [this](const char* name) { return Get<QScrollBar>(name).value(); };
    const auto list = [this](const char* name) { return Get<QComboBox>(name).currentIndex(); };
    struct Step {
        const char* control;
        Qt::Key key;
        std::function<int()> value;
    };
    const Step steps[] = {
        {"messagePicture", Qt::Key_unknown, {}},
        {"messageTypeList", Qt::Key_Down, [&] { return list("messageTypeList"); }},
        {"schemeList", Qt::Key_Down, [&] { return list("schemeList"); }},
        {"pauseButton", Qt::Key_Space, [&] { return form->panel().ShownPauseState() == PauseState::running; }},
        {"messageSpectrumPicture", Qt::Key_unknown, {}},
        {"modulatedPicture", Qt::Key_unknown, {}},
        {"timeScrollBar", Qt::Key_Right, [&] { return scroll("timeScrollBar"); }},
        {"timeZoomBar", Qt::Key_Right, [&] { return scroll("timeZoomBar"); }},
        {"memoryButton", Qt::Key_Space, [&] { return static_cast<int>(form->panel().SwitchState(Switch::memory)); }},
        {"modulatedSpectrumPicture", Qt::Key_unknown, {}},
        {"depthBar", Qt::Key_Up, [&] { return scroll("depthBar"); }},
        {"depthBox", Qt::Key_unknown, {}},
        {"messageFrequencyBox", Qt::Key_unknown, {}},
        {"messageFrequencyBar", Qt::Key_Right, [&] { return scroll("messageFrequencyBar"); }},
        {"carrierPicture", Qt::Key_unknown, {}},
        {"carrierFrequencyBar", Qt::Key_Right, [&] { return scroll("carrierFrequencyBar"); }},
        {"carrierFrequencyBox", Qt::Key_unknown, {}},
        {"modulatedTraceButton", Qt::Key_Space, [&] { return static_cast<int>(form->panel().SwitchState(Switch::modulatedTrace)); }},
        {"modulatedSpectrumButton", Qt::Key_Space, [&] { return static_cast<int>(form->panel().SwitchState(Switch::modulatedSpectrum)); }},
        {"twoSidedCheckBox", Qt::Key_Space, [&] { return static_cast<int>(form->panel().SwitchState(Switch::twoSided)); }},
        {"linearCheckBox", Qt::Key_Space, [&] { return static_cast<int>(form->panel().SwitchState(Switch::linear)); }},
    };
    for (const Step& step : steps) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << step.control;
        ASSERT_EQ(focused->objectName(), step.control);
        if (step.value) {
            const int before = step.value();
            QTest::keyClick(focused, step.key);
            EXPECT_NE(step.value(), before) << step.control;
        }
        QTest::keyClick(focused, Qt::Key_Tab);
    }
}

}  // namespace
}  // namespace quorvane::testing

namespace quorvane::testing {
namespace {

TEST_F(AccessibilityTest, ArrowKeysMoveThumbsTheWayTheyPoint)
{
    struct Case {
        const char* bar;
        Qt::Key key;
        int change;
    };
    const Case cases[] = {{"messageFrequencyBar", Qt::Key_Right, +1}, {"messageFrequencyBar", Qt::Key_Left, -1},
                          {"timeZoomBar", Qt::Key_Right, +1}, {"depthBar", Qt::Key_Up, -1},
                          {"depthBar", Qt::Key_Down, +1}};
    for (const Case& c : cases) {
        auto& bar = Get<QScrollBar>(c.bar);
        bar.setValue((bar.minimum() + bar.maximum()) / 2);
        const int before = bar.value();
        QTest::keyClick(&bar, c.key);
        EXPECT_EQ(bar.value(), before + c.change) << c.bar << " " << c.key;
    }
}

}  // namespace
}  // namespace quorvane::testing

namespace quorvane::testing {
namespace {

// The cursor gives the pointer's readout at its place, is drawn over the
// window beside the picture's own image, and leaves the window as it was.
TEST_F(AccessibilityTest, KeyboardCursorReadsLikeThePointerAndLeavesNoTrace)
{
    for (int tick = 0; tick < 3; ++tick)
        form->runFrame();
    auto& picture = Get<PictureBox>("messagePicture");
    const QImage before = form->grab().toImage();
    QTest::keyClick(&picture, Qt::Key_Home);
    for (int step = 0; step < 10; ++step)
        QTest::keyClick(&picture, Qt::Key_Right);
    // Ten pixels in, as the pointer ten pixels in reads (ClassroomTest).
    EXPECT_EQ(form->pointerReadout().readoutWindow().text(), QStringLiteral("0.009 s\n0.28"));
    EXPECT_EQ(picture.accessibleDescription(), QStringLiteral("0.009 s, 0.28"));
    const QImage marked = form->grab().toImage();
    const QRect marker = Get<QWidget>("cursorMarker").geometry();
    EXPECT_EQ(marker.width(), 1);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != marked.pixel(x, y))
                ++(marker.contains(x, y) ? inside : outside);
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
    QTest::keyClick(&picture, Qt::Key_Escape);
    EXPECT_FALSE(form->pointerReadout().readoutWindow().isVisible());
    EXPECT_TRUE(picture.accessibleDescription().startsWith(QStringLiteral("Time trace of the message signal, in dark green\n")));
    EXPECT_EQ(form->grab().toImage(), before);
}

}  // namespace
}  // namespace quorvane::testing

namespace quorvane::testing {
namespace {

// N puts the cursor on the message tone and reads it; with no peak beyond,
// N and P leave the cursor where it is.
TEST_F(AccessibilityTest, PeakKeysJumpToTheToneAndStayPastIt)
{
    for (int tick = 0; tick < 3; ++tick)
        form->runFrame();
    auto& picture = Get<PictureBox>("messageSpectrumPicture");
    QTest::keyClick(&picture, Qt::Key_N);
    const std::optional<float> tone = picture.cursorPlace();
    EXPECT_EQ(picture.accessibleDescription(), QStringLiteral("5.0 Hz, 0.0 dB"));
    for (Qt::Key key : {Qt::Key_N, Qt::Key_P}) {
        QTest::keyClick(&picture, key);
        EXPECT_EQ(picture.cursorPlace(), tone) << key;
    }
}

}  // namespace
}  // namespace quorvane::testing
