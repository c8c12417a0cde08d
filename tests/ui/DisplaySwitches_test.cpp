#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "engine/Choices.h"
#include "ui/window/Utf8.h"
#include "WindowFixture.h"
#include "ui/pictures/PictureBox.h"

namespace quorvane::testing {
namespace {

void Click(MainWindow& form, const char* name, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(&Find<QWidget>(form, name), button);
}

void Press(MainWindow& form, const char* name, Qt::Key key)
{
    QTest::keyClick(&Find<QWidget>(form, name), key);
}

void Move(MainWindow& form, const char* name, int position)
{
    Find<QScrollBar>(form, name).setValue(position);
}

class SwitchTest : public WindowTest {
protected:
    void SetUp() override { form->show(); }
    QCheckBox& Check(const char* name) { return Get<QCheckBox>(name); }
    QColor MemoryCaption() { return Check("memoryButton").palette().color(QPalette::ButtonText); }
};

struct RestartCase {
    const char* name;
    std::function<void(MainWindow&)> act;
    bool messageRestarts;
    bool modulatedRestarts;
};

class Restarts : public SwitchTest, public ::testing::WithParamInterface<RestartCase> {};

TEST_P(Restarts, ResetOnlyTheAffectedAverages)
{
    State().messageAverageCount = 5;
    State().modulatedAverageCount = 5;
    GetParam().act(*form);
    EXPECT_EQ(State().messageAverageCount, GetParam().messageRestarts ? 0 : 5);
    EXPECT_EQ(State().modulatedAverageCount, GetParam().modulatedRestarts ? 0 : 5);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, Restarts,
    ::testing::Values(
        RestartCase{"MessageFrequency", [](MainWindow& f) { Move(f, "messageFrequencyBar", 40); }, true, true},
        RestartCase{"CarrierFrequency", [](MainWindow& f) { Move(f, "carrierFrequencyBar", 40); }, false, true},
        RestartCase{"Depth", [](MainWindow& f) { Move(f, "depthBar", 2); }, false, true},
        RestartCase{"MessageType", [](MainWindow& f) { Press(f, "messageTypeList", Qt::Key_Down); }, true, true},
        RestartCase{"Scheme", [](MainWindow& f) { Press(f, "schemeList", Qt::Key_Down); }, false, true},
        RestartCase{"LinearClicked", [](MainWindow& f) { Click(f, "linearCheckBox"); }, true, true},
        RestartCase{"LinearBySpace", [](MainWindow& f) { Press(f, "linearCheckBox", Qt::Key_Space); }, true,
                    true},
        RestartCase{"MessageSpectrum", [](MainWindow& f) { Click(f, "messageSpectrumPicture"); }, true, true},
        RestartCase{"ModulatedSpectrum", [](MainWindow& f) { Click(f, "modulatedSpectrumPicture"); }, true, true},
        RestartCase{"SpectrumRightButton",
                    [](MainWindow& f) { Click(f, "messageSpectrumPicture", Qt::RightButton); }, false, false},
        RestartCase{"TwoSides", [](MainWindow& f) { Click(f, "twoSidedCheckBox"); }, false, false},
        RestartCase{"Memory", [](MainWindow& f) { Click(f, "memoryButton"); }, false, false},
        RestartCase{"Passband", [](MainWindow& f) { Click(f, "modulatedTraceButton"); }, false, false},
        RestartCase{"PauseButton", [](MainWindow& f) { Click(f, "pauseButton"); }, false, false},
        RestartCase{"Zoom", [](MainWindow& f) { Move(f, "timeZoomBar", 3); }, false, false}),
    CaseName{});

void ExpectMarkersAt(const MainWindow& form, int x)
{
    for (int i : {0, 1}) {
        EXPECT_EQ(form.panel().zeroMarkers()[i].x1, x);
        EXPECT_EQ(form.panel().zeroMarkers()[i].x2, x);
    }
    EXPECT_EQ(form.panel().zeroMarkers()[0].y1, 4080);
    EXPECT_EQ(form.panel().zeroMarkers()[0].y2, 4320);
    EXPECT_EQ(form.panel().zeroMarkers()[1].y1, 9840);
    EXPECT_EQ(form.panel().zeroMarkers()[1].y2, 10080);
}

TEST_F(SwitchTest, MarkersFollowTheTwoSidedSwitch)
{
    ExpectMarkersAt(*form, 6000);
    Click(*form, "twoSidedCheckBox");
    ExpectMarkersAt(*form, 10448);
    Click(*form, "twoSidedCheckBox");
    ExpectMarkersAt(*form, 6000);
    Check("twoSidedCheckBox").setCheckState(Qt::Checked);
    Check("twoSidedCheckBox").setCheckState(Qt::PartiallyChecked);
    ExpectMarkersAt(*form, 6000);  // greyed is one-sided, as the spectrum plot takes it
}

TEST_F(SwitchTest, MarkersArePaintedWhereTheyStand)
{
    const QColor black(Qt::black);
    EXPECT_EQ(form->grab().toImage().pixelColor(400, 281), black);
    Click(*form, "twoSidedCheckBox");
    const QImage moved = form->grab().toImage();
    EXPECT_EQ(moved.pixelColor(696, 281), black);
    EXPECT_EQ(moved.pixelColor(696, 665), black);
    EXPECT_NE(moved.pixelColor(400, 281), black);
}

TEST_F(SwitchTest, MemoryCaptionShowsTheMemoryColourWhileChecked)
{
    Click(*form, "memoryButton");
    EXPECT_EQ(MemoryCaption(), QColor(128, 64, 0));
    Click(*form, "memoryButton");
    EXPECT_EQ(MemoryCaption(), QColor(Qt::black));
    Check("memoryButton").setCheckState(Qt::Checked);
    Check("memoryButton").setCheckState(Qt::PartiallyChecked);
    EXPECT_EQ(MemoryCaption(), QColor(128, 64, 0)) << "greyed is neither state";
}

TEST_F(SwitchTest, PauseThenContinueRestoresTheInterval)
{
    auto& timer = Get<QTimer>("frameTimer");
    timer.setInterval(250);
    Click(*form, "pauseButton");
    EXPECT_EQ(Get<QPushButton>("pauseButton").text(), toQString(Key(PauseState::paused)));
    EXPECT_EQ(form->panel().ShownPauseState(), PauseState::paused);
    EXPECT_FALSE(timer.isActive());
    Click(*form, "pauseButton");
    EXPECT_EQ(Get<QPushButton>("pauseButton").text(), toQString(Key(PauseState::running)));
    EXPECT_EQ(form->panel().ShownPauseState(), PauseState::running);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 100);
}

TEST_F(SwitchTest, WhilePausedTicksDoNothingAndHandlersStillWork)
{
    form->runFrame();
    Click(*form, "pauseButton");
    const auto before = std::make_unique<SignalState>(State());
    const QImage picture = Get<PictureBox>("messagePicture").grab().toImage();
    form->runFrame();
    EXPECT_EQ(State().messageAverageCount, before->messageAverageCount);
    EXPECT_EQ(State().messageSignal, before->messageSignal);
    EXPECT_EQ(State().modulatedSpectrum, before->modulatedSpectrum);
    EXPECT_EQ(Get<PictureBox>("messagePicture").grab().toImage(), picture);

    Move(*form, "carrierFrequencyBar", 40);
    Move(*form, "depthBar", 0);
    Click(*form, "twoSidedCheckBox");
    Click(*form, "memoryButton");
    EXPECT_EQ(State().carrierFrequencyDaHz, 8.0);
    EXPECT_EQ(State().depth, 2.0);
    EXPECT_EQ(State().modulatedAverageCount, 0);
    EXPECT_EQ(form->panel().zeroMarkers()[0].x1, 10448);
    EXPECT_EQ(MemoryCaption(), QColor(128, 64, 0));
}

TEST_F(SwitchTest, ReadsFollowTheControls)
{
    Get<QComboBox>("messageTypeList").setCurrentIndex(2);
    Press(*form, "schemeList", Qt::Key_Down);
    Move(*form, "timeScrollBar", 7);
    Move(*form, "timeZoomBar", 3);
    Click(*form, "modulatedTraceButton");
    EXPECT_EQ(form->panel().ChosenMessageType(), MessageType::filteredNoise);
    EXPECT_EQ(form->panel().ChosenScheme(), Scheme::am);
    EXPECT_EQ(form->panel().BarPosition(Bar::timeScroll), 7);
    EXPECT_EQ(form->panel().BarPosition(Bar::timeZoom), 3);
    EXPECT_EQ(form->panel().SwitchState(Switch::modulatedTrace), CheckState::checked);

    const std::pair<const char*, Switch> checks[]{{"linearCheckBox", Switch::linear},
                                                   {"twoSidedCheckBox", Switch::twoSided},
                                                   {"memoryButton", Switch::memory},
                                                   {"modulatedTraceButton", Switch::modulatedTrace},
                                                   {"modulatedSpectrumButton", Switch::modulatedSpectrum}};
    for (const auto& [name, check] : checks) {
        Check(name).setCheckState(Qt::PartiallyChecked);
        EXPECT_EQ(form->panel().SwitchState(check), CheckState::greyed) << name;
    }
}

TEST_F(SwitchTest, FocusMovesInTheDesignedOrder)
{
    const QStringList expected{"messagePicture",        "messageTypeList",        "schemeList",        "pauseButton",
                               "messageSpectrumPicture", "modulatedPicture",     "timeScrollBar", "timeZoomBar",
                               "memoryButton",      "modulatedSpectrumPicture", "depthBar",      "depthBox",
                               "messageFrequencyBox",     "messageFrequencyBar",     "carrierPicture",    "carrierFrequencyBar",
                               "carrierFrequencyBox",     "modulatedTraceButton",    "modulatedSpectrumButton",   "twoSidedCheckBox",
                               "linearCheckBox"};
    QWidget* const start = &Get<QWidget>("messagePicture");
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
