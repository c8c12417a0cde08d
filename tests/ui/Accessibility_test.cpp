#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <functional>
#include <tuple>

#include "engine/ControlTexts.h"
#include "ui/FormLayout.h"
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

// Lists announce their choice as their name on this platform; the label
// beside them reaches the reader through the label relation.
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

// Each parameter bar reads as the number its box shows; binary fractions
// such as 0.1 are compared within 1e-9.
TEST_F(AccessibilityTest, ParameterBarsReadInTheirBoxesUnits)
{
    struct Case {
        const char* bar;
        int position;
        double value, minimum, maximum, step;
    };
    const Case cases[] = {{"hscFreq(0)", 32, 5.0, 2.5, 10, 0.1},  {"hscFreq(0)", 33, 5.1, 2.5, 10, 0.1},
                          {"hscFreq(1)", 32, 64, 32, 128, 2},     {"vscDepth", 5, 1.0, 0.2, 2, 0.2},
                          {"vscDepth", 4, 1.2, 0.2, 2, 0.2}};
    for (const Case& c : cases) {
        Get<QScrollBar>(c.bar).setValue(c.position);
        QAccessibleValueInterface* value = QAccessible::queryAccessibleInterface(&Get<QWidget>(c.bar))->valueInterface();
        ASSERT_NE(value, nullptr) << c.bar;
        const double read[] = {value->currentValue().toDouble(), value->minimumValue().toDouble(),
                               value->maximumValue().toDouble(), value->minimumStepSize().toDouble()};
        const double wanted[] = {c.value, c.minimum, c.maximum, c.step};
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(read[i], wanted[i], 1e-9) << c.bar << " at " << c.position << ", figure " << i;
    }
}

TEST_F(AccessibilityTest, IncreaseRaisesTheNumberWhicheverWayTheBarRuns)
{
    for (const auto& [bar, box, raised] : {std::tuple{"vscDepth", "txtDepth", "1.2"},
                                           std::tuple{"hscFreq(1)", "txtFreq(1)", " 66"}}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&Get<QWidget>(bar));
        accessible->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
        EXPECT_EQ(Get<QLineEdit>(box).text(), raised) << bar;
    }
    QAccessibleInterface* depth = QAccessible::queryAccessibleInterface(&Get<QWidget>("vscDepth"));
    depth->valueInterface()->setCurrentValue(0.4);
    EXPECT_EQ(Get<QLineEdit>("txtDepth").text(), "0.4");
}

TEST_F(AccessibilityTest, BoxesAndListsAreReadButCannotBeWritten)
{
    for (const auto& [control, text] : {std::pair{"txtFreq(0)", " 5"}, std::pair{"txtDepth", "1"},
                                        std::pair{"cmbData", "Sine Wave"}, std::pair{"cmbMod", "DSB-SC"}}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&Get<QWidget>(control));
        EXPECT_EQ(accessible->editableTextInterface(), nullptr) << control;
        ASSERT_NE(accessible->textInterface(), nullptr) << control;
        EXPECT_EQ(accessible->textInterface()->text(0, accessible->textInterface()->characterCount()), text);
    }
}

TEST_F(AccessibilityTest, FocusableNamesAreUniqueAndPicturesAreImages)
{
    QSet<QString> names;
    for (std::string_view name : FormFocusOrder()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&Get<QWidget>(ToQString(name)));
        EXPECT_FALSE(names.contains(accessible->text(QAccessible::Name))) << name;
        names.insert(accessible->text(QAccessible::Name));
        EXPECT_EQ(accessible->role() == QAccessible::Graphic, name.starts_with("pic")) << name;
    }
}

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
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != marked.pixel(x, y))
                ASSERT_TRUE(marker.contains(x, y)) << x << "," << y;
    QTest::keyClick(&picture, Qt::Key_Escape);
    EXPECT_FALSE(form->ReadoutWindow().isVisible());
    EXPECT_EQ(picture.accessibleDescription(), QStringLiteral("Time trace of the message signal, in dark green"));
    EXPECT_EQ(form->grab().toImage(), before);
}

}  // namespace
}  // namespace quorvane::testing
