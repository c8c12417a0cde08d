#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "engine/ControlTexts.h"
#include "ui/PictureBox.h"
#include "ui/Utf8.h"
#include "FormFixture.h"

namespace quorvane::testing {
namespace {

QString AccessibleText(QWidget& widget, QAccessible::Text which)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    return accessible ? accessible->text(which) : QString();
}

using AccessibilityTest = FormTest;

TEST_F(AccessibilityTest, EveryControlIsNamedAsItReads)
{
    const std::pair<const char*, const char*> names[] = {
        {"cmbData", "Message type"},        {"hscFreq(0)", "Message frequency"},
        {"hscFreq(1)", "Carrier frequency"}, {"cmbMod", "Modulation scheme"},
        {"vscDepth", "Modulation depth"},  {"chkMemory", "Memory"},
             {"chkTwoSides", "Two-Sided Spectra"},
        {"chkLinear", "Linear Plots"},     {"chkPassband", "Modulated trace"},
        {"chkSpectrum", "Modulated spectrum trace"}, {"picData", "Message signal"},
        {"picSpectrum(0)", "Message spectrum"}, {"picCarrier", "Carrier"},
        {"picModData", "Modulated signal"}, {"picSpectrum(1)", "Modulated spectrum"},

    };
    for (const auto& [control, name] : names)
        EXPECT_EQ(Get<QWidget>(control).accessibleName(), name) << control;
}

// The label beside each list reaches the reader through the label relation.
TEST_F(AccessibilityTest, ListsAreRelatedToTheLabelBesideThem)
{
    for (const auto& [list, label] : {std::pair{"cmbData", "Signal Type"}, std::pair{"cmbMod", "Modulation"}}) {
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
    for (const char* picture : {"picData", "picSpectrum(0)", "picCarrier", "picModData", "picSpectrum(1)"})
        EXPECT_FALSE(AccessibleText(Get<QWidget>(picture), QAccessible::Description).isEmpty()) << picture;
}

TEST_F(AccessibilityTest, PauseButtonIsNamedByItsCaption)
{
    EXPECT_EQ(AccessibleText(Get<QWidget>("cmdPause"), QAccessible::Name), ToQString(kRunningCaption));
    QTest::mouseClick(&Get<QWidget>("cmdPause"), Qt::LeftButton);
    EXPECT_EQ(AccessibleText(Get<QWidget>("cmdPause"), QAccessible::Name), ToQString(kPausedCaption));
}

// Tab from the first control reaches every control in the designed order, and
// a key on each changeable one changes it.
TEST_F(AccessibilityTest, KeyboardAloneReachesAndChangesEveryControl)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Get<QWidget>("picData").setFocus();

    const auto scroll = [this](const char* name) { return Get<QScrollBar>(name).value(); };
    const auto list = [this](const char* name) { return Get<QComboBox>(name).currentIndex(); };
    struct Step {
        const char* control;
        Qt::Key key;
        std::function<int()> value;
    };
    const Step steps[] = {
        {"picData", Qt::Key_unknown, {}},
        {"cmbData", Qt::Key_Down, [&] { return list("cmbData"); }},
        {"cmbMod", Qt::Key_Down, [&] { return list("cmbMod"); }},
        {"cmdPause", Qt::Key_Space, [&] { return form->PauseCaption() == kRunningCaption; }},
        {"picSpectrum(0)", Qt::Key_unknown, {}},
        {"picModData", Qt::Key_unknown, {}},
        {"hscDataScroll", Qt::Key_Right, [&] { return scroll("hscDataScroll"); }},
        {"hscDataZoom", Qt::Key_Right, [&] { return scroll("hscDataZoom"); }},
        {"chkMemory", Qt::Key_Space, [&] { return form->CheckValue(CheckId::chkMemory); }},
        {"picSpectrum(1)", Qt::Key_unknown, {}},
        {"vscDepth", Qt::Key_Up, [&] { return scroll("vscDepth"); }},
        {"txtDepth", Qt::Key_unknown, {}},
        {"txtFreq(0)", Qt::Key_unknown, {}},
        {"hscFreq(0)", Qt::Key_Right, [&] { return scroll("hscFreq(0)"); }},
        {"picCarrier", Qt::Key_unknown, {}},
        {"hscFreq(1)", Qt::Key_Right, [&] { return scroll("hscFreq(1)"); }},
        {"txtFreq(1)", Qt::Key_unknown, {}},
        {"chkPassband", Qt::Key_Space, [&] { return form->CheckValue(CheckId::chkPassband); }},
        {"chkSpectrum", Qt::Key_Space, [&] { return form->CheckValue(CheckId::chkSpectrum); }},
        {"chkTwoSides", Qt::Key_Space, [&] { return form->CheckValue(CheckId::chkTwoSides); }},
        {"chkLinear", Qt::Key_Space, [&] { return form->CheckValue(CheckId::chkLinear); }},
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
    const Case cases[] = {{"hscFreq(0)", Qt::Key_Right, +1}, {"hscFreq(0)", Qt::Key_Left, -1},
                          {"hscDataZoom", Qt::Key_Right, +1}, {"vscDepth", Qt::Key_Up, -1},
                          {"vscDepth", Qt::Key_Down, +1}};
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
        form->Timer1_Timer();
    auto& picture = Get<PictureBox>("picData");
    const QImage before = form->grab().toImage();
    QTest::keyClick(&picture, Qt::Key_Home);
    for (int step = 0; step < 10; ++step)
        QTest::keyClick(&picture, Qt::Key_Right);
    // Ten pixels in, as the pointer ten pixels in reads (ClassroomTest).
    EXPECT_EQ(form->ReadoutWindow().text(), QStringLiteral("0.009 s\n0.28"));
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
    EXPECT_FALSE(form->ReadoutWindow().isVisible());
    EXPECT_TRUE(picture.accessibleDescription().startsWith(QStringLiteral("Time trace of the message signal, in dark green\n")));
    EXPECT_EQ(form->grab().toImage(), before);
}

}  // namespace
}  // namespace quorvane::testing
