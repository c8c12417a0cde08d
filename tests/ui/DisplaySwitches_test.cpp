#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "engine/ControlTexts.h"
#include "ui/Utf8.h"
#include "FormFixture.h"
#include "ui/PictureBox.h"

namespace quorvane::testing {
namespace {

void Click(Form1& form, const char* name, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(&Find<QWidget>(form, name), button);
}

void Press(Form1& form, const char* name, Qt::Key key)
{
    QTest::keyClick(&Find<QWidget>(form, name), key);
}

void Move(Form1& form, const char* name, int position)
{
    Find<QScrollBar>(form, name).setValue(position);
}

class SwitchTest : public FormTest {
protected:
    void SetUp() override { form->show(); }
    QCheckBox& Check(const char* name) { return Get<QCheckBox>(name); }
    QColor MemoryCaption() { return Check("chkMemory").palette().color(QPalette::ButtonText); }
};

struct RestartCase {
    const char* name;
    std::function<void(Form1&)> act;
    bool messageRestarts;
    bool modulatedRestarts;
};

class Restarts : public SwitchTest, public ::testing::WithParamInterface<RestartCase> {};

TEST_P(Restarts, ResetOnlyTheAffectedAverages)
{
    State().iDataSpectrums = 5;
    State().iModSpectrums = 5;
    GetParam().act(*form);
    EXPECT_EQ(State().iDataSpectrums, GetParam().messageRestarts ? 0 : 5);
    EXPECT_EQ(State().iModSpectrums, GetParam().modulatedRestarts ? 0 : 5);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, Restarts,
    ::testing::Values(
        RestartCase{"MessageFrequency", [](Form1& f) { Move(f, "hscFreq(0)", 40); }, true, true},
        RestartCase{"CarrierFrequency", [](Form1& f) { Move(f, "hscFreq(1)", 40); }, false, true},
        RestartCase{"Depth", [](Form1& f) { Move(f, "vscDepth", 2); }, false, true},
        RestartCase{"MessageType", [](Form1& f) { Press(f, "cmbData", Qt::Key_Down); }, true, true},
        RestartCase{"Scheme", [](Form1& f) { Press(f, "cmbMod", Qt::Key_Down); }, false, true},
        RestartCase{"LinearClicked", [](Form1& f) { Click(f, "chkLinear"); }, true, true},
        RestartCase{"LinearBySpace", [](Form1& f) { Press(f, "chkLinear", Qt::Key_Space); }, true,
                    true},
        RestartCase{"MessageSpectrum", [](Form1& f) { Click(f, "picSpectrum(0)"); }, true, true},
        RestartCase{"ModulatedSpectrum", [](Form1& f) { Click(f, "picSpectrum(1)"); }, true, true},
        RestartCase{"SpectrumRightButton",
                    [](Form1& f) { Click(f, "picSpectrum(0)", Qt::RightButton); }, false, false},
        RestartCase{"TwoSides", [](Form1& f) { Click(f, "chkTwoSides"); }, false, false},
        RestartCase{"Memory", [](Form1& f) { Click(f, "chkMemory"); }, false, false},
        RestartCase{"Passband", [](Form1& f) { Click(f, "chkPassband"); }, false, false},
        RestartCase{"PauseButton", [](Form1& f) { Click(f, "cmdPause"); }, false, false},
        RestartCase{"Zoom", [](Form1& f) { Move(f, "hscDataZoom", 3); }, false, false}),
    CaseName{});

void ExpectMarkersAt(const Form1& form, int x)
{
    for (int i : {0, 1}) {
        EXPECT_EQ(form.lneZero(i).X1, x);
        EXPECT_EQ(form.lneZero(i).X2, x);
    }
    EXPECT_EQ(form.lneZero(0).Y1, 4080);
    EXPECT_EQ(form.lneZero(0).Y2, 4320);
    EXPECT_EQ(form.lneZero(1).Y1, 9840);
    EXPECT_EQ(form.lneZero(1).Y2, 10080);
}

TEST_F(SwitchTest, MarkersFollowTheTwoSidedSwitch)
{
    ExpectMarkersAt(*form, 6000);
    Click(*form, "chkTwoSides");
    ExpectMarkersAt(*form, 10448);
    Click(*form, "chkTwoSides");
    ExpectMarkersAt(*form, 6000);
    Check("chkTwoSides").setCheckState(Qt::Checked);
    Check("chkTwoSides").setCheckState(Qt::PartiallyChecked);
    ExpectMarkersAt(*form, 6000);  // greyed is one-sided, as the spectrum plot takes it
}

TEST_F(SwitchTest, MarkersArePaintedWhereTheyStand)
{
    const QColor black(Qt::black);
    EXPECT_EQ(form->grab().toImage().pixelColor(400, 281), black);
    Click(*form, "chkTwoSides");
    const QImage moved = form->grab().toImage();
    EXPECT_EQ(moved.pixelColor(696, 281), black);
    EXPECT_EQ(moved.pixelColor(696, 665), black);
    EXPECT_NE(moved.pixelColor(400, 281), black);
}

TEST_F(SwitchTest, MemoryCaptionShowsTheMemoryColourWhileChecked)
{
    Click(*form, "chkMemory");
    EXPECT_EQ(MemoryCaption(), QColor(128, 64, 0));
    Click(*form, "chkMemory");
    EXPECT_EQ(MemoryCaption(), QColor(Qt::black));
    Check("chkMemory").setCheckState(Qt::Checked);
    Check("chkMemory").setCheckState(Qt::PartiallyChecked);
    EXPECT_EQ(MemoryCaption(), QColor(128, 64, 0)) << "greyed is neither state";
}

TEST_F(SwitchTest, PauseThenContinueRestoresTheInterval)
{
    auto& timer = Get<QTimer>("Timer1");
    timer.setInterval(250);
    Click(*form, "cmdPause");
    EXPECT_EQ(Get<QPushButton>("cmdPause").text(), ToQString(kPausedCaption));
    EXPECT_EQ(form->PauseCaption(), kPausedCaption);
    EXPECT_FALSE(timer.isActive());
    Click(*form, "cmdPause");
    EXPECT_EQ(Get<QPushButton>("cmdPause").text(), ToQString(kRunningCaption));
    EXPECT_EQ(form->PauseCaption(), kRunningCaption);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 100);
}

TEST_F(SwitchTest, WhilePausedTicksDoNothingAndHandlersStillWork)
{
    form->Timer1_Timer();
    Click(*form, "cmdPause");
    const auto before = std::make_unique<SignalState>(State());
    const QImage picture = Get<PictureBox>("picData").grab().toImage();
    form->Timer1_Timer();
    EXPECT_EQ(State().iDataSpectrums, before->iDataSpectrums);
    EXPECT_EQ(State().dDataSignal, before->dDataSignal);
    EXPECT_EQ(State().dModSpectrum, before->dModSpectrum);
    EXPECT_EQ(Get<PictureBox>("picData").grab().toImage(), picture);

    Move(*form, "hscFreq(1)", 40);
    Move(*form, "vscDepth", 0);
    Click(*form, "chkTwoSides");
    Click(*form, "chkMemory");
    EXPECT_EQ(State().dCarrierFreq, 8.0);
    EXPECT_EQ(State().dDepth, 2.0);
    EXPECT_EQ(State().iModSpectrums, 0);
    EXPECT_EQ(form->lneZero(0).X1, 10448);
    EXPECT_EQ(MemoryCaption(), QColor(128, 64, 0));
}

TEST_F(SwitchTest, ReadsFollowTheControls)
{
    Get<QComboBox>("cmbData").setCurrentIndex(2);
    Press(*form, "cmbMod", Qt::Key_Down);
    Move(*form, "hscDataScroll", 7);
    Move(*form, "hscDataZoom", 3);
    Click(*form, "chkPassband");
    EXPECT_EQ(form->ListText(ListId::cmbData), kFilteredNoise);
    EXPECT_EQ(form->ListText(ListId::cmbMod), kAm);
    EXPECT_EQ(form->ScrollValue(ScrollId::hscDataScroll), 7);
    EXPECT_EQ(form->ScrollValue(ScrollId::hscDataZoom), 3);
    EXPECT_EQ(form->CheckValue(CheckId::chkPassband), kChecked);

    const std::pair<const char*, CheckId> checks[]{{"chkLinear", CheckId::chkLinear},
                                                   {"chkTwoSides", CheckId::chkTwoSides},
                                                   {"chkMemory", CheckId::chkMemory},
                                                   {"chkPassband", CheckId::chkPassband},
                                                   {"chkSpectrum", CheckId::chkSpectrum}};
    for (const auto& [name, check] : checks) {
        Check(name).setCheckState(Qt::PartiallyChecked);
        EXPECT_EQ(form->CheckValue(check), kGreyed) << name;
    }
}

TEST_F(SwitchTest, FocusMovesInTheDesignedOrder)
{
    const QStringList expected{"picData",        "cmbData",        "cmbMod",        "cmdPause",
                               "picSpectrum(0)", "picModData",     "hscDataScroll", "hscDataZoom",
                               "chkMemory",      "picSpectrum(1)", "vscDepth",      "txtDepth",
                               "txtFreq(0)",     "hscFreq(0)",     "picCarrier",    "hscFreq(1)",
                               "txtFreq(1)",     "chkPassband",    "chkSpectrum",   "chkTwoSides",
                               "chkLinear"};
    QWidget* const start = &Get<QWidget>("picData");
    QStringList order;
    QWidget* widget = start;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != start && order.size() <= expected.size());
    EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace quorvane::testing
