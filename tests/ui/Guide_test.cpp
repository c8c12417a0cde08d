// The class guide: where it opens, how it is found and closed, and its
// "Set up" links against the same steps done by hand.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QDir>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QRegularExpression>
#include <QUrl>
#include <initializer_list>
#include <utility>
#include <vector>

#include "WindowFixture.h"
#include "ui/guide/GuidePlacement.h"
#include "ui/guide/GuideResource.h"
#include "ui/guide/GuideWindow.h"
#include "ui/receiver/ReceiverDock.h"
#include "ui/receiver/ReceiverWindow.h"

namespace quorvane::testing {
namespace {

struct PlacementCase {
    const char* name;
    QRect main;
    QSize preferred;
    QRect expected;
};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

// A 1920 × 1040 work area under a 40-pixel panel; the guide is 496 pixels
// wide at best and 316 at least.
const QRect kAvailable(0, 40, 1920, 1040);

TEST_P(Placement, BesideTheWindowWhereThereIsRoom)
{
    EXPECT_EQ(guidePlacement(GetParam().main, GetParam().preferred, 316, kAvailable), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Placement,
    ::testing::Values(
        PlacementCase{"RightOfTheWindow", {100, 100, 1019, 718}, {496, 718}, {1119, 100, 496, 718}},
        PlacementCase{"LeftWhereTheRightIsShort", {800, 100, 1019, 718}, {496, 718}, {304, 100, 496, 718}},
        PlacementCase{"NarrowedToTheRoomierSide", {450, 60, 1019, 718}, {496, 718}, {1469, 60, 451, 718}},
        // Too little room on either side: against the screen's edge.
        PlacementCase{"AgainstTheRoomierEdge", {150, 60, 1500, 718}, {496, 718}, {1424, 60, 496, 718}},
        // Level with the window, but moved up to stay on the screen.
        PlacementCase{"RaisedToFit", {100, 500, 1019, 718}, {496, 718}, {1119, 362, 496, 718}},
        PlacementCase{"NoTallerThanTheScreen", {100, 0, 1019, 718}, {496, 1200}, {1119, 40, 496, 1040}}),
    CaseName());

TEST(GuideResource, EachLanguagePicksItsOwnGuideAndAnyOtherTheEnglish)
{
    EXPECT_EQ(guideResourcePath({QStringLiteral("it-IT")}), QStringLiteral(":/guide/guide.md"));
    for (QString file : QDir(QStringLiteral(":/guide")).entryList({QStringLiteral("guide_*.md")}))
        EXPECT_EQ(guideResourcePath({file.mid(6).chopped(3).replace(QLatin1Char('_'), QLatin1Char('-'))}),
                  QStringLiteral(":/guide/") + file);
}

TEST(GuideResource, EveryExperimentHasItsSetUpLink)
{
    const QString guide = guideText(QLocale::c());
    const QRegularExpression setUpLink(QStringLiteral(R"(\[Set up[^\]]*\]\(setup:(\d)\))"));
    QStringList numbers;
    for (const auto& link : setUpLink.globalMatch(guide))
        numbers << link.captured(1);
    EXPECT_EQ(numbers, QStringList({"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(guide.count(QStringLiteral("(setup:")), 8);
}

class GuideTest : public WindowTest {
protected:
    void SetUp() override { form->show(); }
    GuideWindow& OpenGuide()
    {
        form->classGuide().action().trigger();
        return *form->classGuide().guideWindow();
    }
};

TEST_F(GuideTest, F1OpensItBesideTheWindowWithoutTheKeyboardAndEscapeClosesIt)
{
    QAction& action = form->classGuide().action();
    EXPECT_EQ(action.shortcut(), QKeySequence(Qt::Key_F1));
    // The context menu lists the window's actions.
    EXPECT_TRUE(form->contextMenuPolicy() == Qt::ActionsContextMenu && form->actions().contains(&action));
    GuideWindow& guide = OpenGuide();
    EXPECT_TRUE(guide.isVisible());
    EXPECT_TRUE(guide.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(guide.frameGeometry().intersects(form->frameGeometry()));
    const double size = guide.font().pointSizeF();
    form->magnifier().setZoom(2.0);
    EXPECT_DOUBLE_EQ(guide.font().pointSizeF(), 2 * size);
    action.trigger();
    EXPECT_FALSE(guide.isVisible());
    action.trigger();
    guide.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&guide));
    QTest::keyClick(&guide, Qt::Key_Escape);
    EXPECT_FALSE(guide.isVisible());
    EXPECT_FALSE(action.isChecked());  // so that the next F1 opens it again
}

TEST_F(GuideTest, EveryTooltipAndDescriptionNamesTheGuide)
{
    const QString hint = QStringLiteral("F1: class guide");
    for (const QWidget* control : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const std::string name = control->objectName().toStdString();
        if (!control->toolTip().isEmpty()) {
            EXPECT_TRUE(control->toolTip().endsWith(QLatin1Char('\n') + hint)) << name;
        }
        if (!control->accessibleDescription().isEmpty()) {
            EXPECT_TRUE(control->accessibleDescription().endsWith(hint)) << name;
        }
    }
    EXPECT_FALSE(Get<QPushButton>("pauseButton").accessibleDescription().isEmpty());
}

void Choose(MainWindow& form, const char* list, int index)
{
    auto& box = Find<QComboBox>(form, list);
    box.setCurrentIndex(index);
    emit box.activated(index);
}

void Move(MainWindow& form, std::initializer_list<std::pair<const char*, int>> bars)
{
    for (const auto& [bar, position] : bars)
        Find<QScrollBar>(form, bar).setValue(position);
}

void Switch(MainWindow& form, const std::vector<const char*>& checks, bool on)
{
    for (const char* check : checks)
        if (Find<QCheckBox>(form, check).isChecked() != on)
            QTest::mouseClick(&Find<QCheckBox>(form, check), Qt::LeftButton);
}

void ClickPause(MainWindow& form)
{
    QTest::mouseClick(&Find<QPushButton>(form, "pauseButton"), Qt::LeftButton);
}

// Where a class might be when it follows a link: other settings, a memory
// copy held, the traces zoomed and scrolled, the display paused.
void Elsewhere(MainWindow& form)
{
    Choose(form, "messageTypeList", 3);
    Choose(form, "schemeList", 3);
    Move(form, {{"messageFrequencyBar", 50}, {"carrierFrequencyBar", 60}, {"depthBar", 1}});
    Move(form, {{"timeZoomBar", 3}, {"timeScrollBar", 7}});
    Switch(form, {"modulatedTraceButton", "twoSidedCheckBox", "modulatedSpectrumButton"}, true);
    form.runFrame();
    Switch(form, {"memoryButton"}, true);
    form.runFrame();
    ClickPause(form);
}

// The guide's words for each experiment's starting point, as a class would
// set them by hand: list items, bar positions, the switches to turn off
// (Elsewhere left the modulated trace and spectrum on) and the depth.
struct SetUpCase {
    const char* name;
    int number;
    int messageType;
    int scheme;
    int message;
    int carrier;
    std::vector<const char*> off;
    int depth = 5;
};

void ByHand(MainWindow& form, const SetUpCase& steps)
{
    Switch(form, {"memoryButton", "twoSidedCheckBox"}, false);
    Choose(form, "messageTypeList", steps.messageType);
    Choose(form, "schemeList", steps.scheme);
    Move(form, {{"messageFrequencyBar", steps.message}, {"carrierFrequencyBar", steps.carrier},
                {"depthBar", steps.depth}, {"timeZoomBar", 1}, {"timeScrollBar", 0}});
    Switch(form, steps.off, false);
    ClickPause(form);
}

class SetUpLink : public GuideTest, public ::testing::WithParamInterface<SetUpCase> {};

TEST_P(SetUpLink, LeavesTheWindowAndTheNextFramesAsTheSameStepsByHand)
{
    MainWindow byHand;
    byHand.show();
    for (MainWindow* window : {form.get(), &byHand})
        Elsewhere(*window);
    emit OpenGuide().anchorClicked(QUrl(QStringLiteral("setup:%1").arg(GetParam().number)));
    ByHand(byHand, GetParam());
    for (int tick = 0; tick < 3; ++tick) {
        form->runFrame();
        byHand.runFrame();
    }
    // Every control and picture as drawn, then what the pictures do not show.
    EXPECT_EQ(form->grab().toImage(), byHand.grab().toImage());
    EXPECT_EQ(form->panel().ShownPauseState(), byHand.panel().ShownPauseState());
    EXPECT_EQ(State().modulatedAverageCount, byHand.state().modulatedAverageCount);
    EXPECT_EQ(State().modulatedHeld, byHand.state().modulatedHeld);
    EXPECT_EQ(State().modulatedSpectrum, byHand.state().modulatedSpectrum);
}

INSTANTIATE_TEST_SUITE_P(
    Experiments, SetUpLink,
    ::testing::Values(SetUpCase{"AmAndOverModulation", 1, 0, 1, 33, 37, {}},
                      SetUpCase{"FmVersusPm", 2, 0, 2, 33, 37, {"modulatedTraceButton", "linearCheckBox"}},
                      SetUpCase{"FilteredNoiseThroughDsbSc", 3, 2, 0, 32, 32, {"modulatedTraceButton"}},
                      SetUpCase{"SpectralLeakage", 4, 0, 0, 33, 32, {"modulatedTraceButton", "modulatedSpectrumButton"}},
                      SetUpCase{"WhyAmKeepsItsCarrier", 5, 0, 1, 32, 32, {"modulatedSpectrumButton"}},
                      SetUpCase{"Overmodulation", 6, 0, 1, 32, 32, {"modulatedSpectrumButton"}, 0},
                      SetUpCase{"ProductDetectorsPhase", 7, 0, 0, 32, 32, {"modulatedSpectrumButton"}},
                      SetUpCase{"FmAgainstNoise", 8, 0, 2, 32, 32, {"modulatedSpectrumButton"}}),
    CaseName());

// A receiver experiment's step after its link, as the guide words it: a
// message type, scheme or detector chosen, a bar moved (-1 for none), and
// the figure the S/N box then shows.
struct ReceiverStep {
    const char* name;
    int number;
    int messageType;
    int scheme;
    int detector;
    int phase;
    int noise;
    double sinad;
    double tolerance;
};

// Without noise the figure holds to the tenth from the first frame. The
// channel's noise makes the average wander by a few tenths of a dB over the
// first seconds, and a noise message, new each frame, by a dB or two.
constexpr double kSteady = 0.05;
constexpr double kChannelNoise = 0.3;
constexpr double kNoiseMessage = 1.0;

class ReceiverExperiment : public GuideTest, public ::testing::WithParamInterface<ReceiverStep> {};

TEST_P(ReceiverExperiment, OpensTheReceiverAndShowsTheGuidesFigure)
{
    const ReceiverStep& step = GetParam();
    Elsewhere(*form);
    emit OpenGuide().anchorClicked(QUrl(QStringLiteral("setup:%1").arg(step.number)));
    ASSERT_TRUE(form->receiver().action().isChecked() && form->controller().ReceiverOpen());
    ReceiverWindow& receiver = *form->receiver().receiverWindow();
    if (step.messageType >= 0)
        Choose(*form, "messageTypeList", step.messageType);
    if (step.scheme >= 0)
        Choose(*form, "schemeList", step.scheme);
    if (step.detector >= 0)
        receiver.detectorList().setCurrentIndex(step.detector);
    if (step.phase >= 0)
        receiver.bar(ReceiverBar::oscillatorPhase).setValue(step.phase);
    if (step.noise >= 0)
        receiver.bar(ReceiverBar::channelNoise).setValue(step.noise);
    // The guide's "after a few seconds": five of them.
    for (int tick = 0; tick < 50; ++tick)
        form->runFrame();
    EXPECT_NEAR(Find<QLineEdit>(receiver, "sinadBox").text().toDouble(), step.sinad, step.tolerance);
}

// Message types in the list's order Sine, White Noise, Filtered Noise,
// Square; schemes DSB-SC, AM, FM, PM; detectors Envelope, Product,
// Frequency, Phase; phase steps of 15°; noise steps 4 to 7 are 15, 10, 5 and
// 0 dB.
INSTANTIATE_TEST_SUITE_P(
    Experiments, ReceiverExperiment,
    ::testing::Values(ReceiverStep{"AmThroughTheEnvelope", 5, -1, -1, -1, -1, -1, 68.3, kSteady},
                      ReceiverStep{"DsbScThroughTheEnvelope", 5, -1, 0, -1, -1, -1, -43.1, kSteady},
                      ReceiverStep{"SquareWave", 5, 3, -1, -1, -1, -1, 6.3, kSteady},
                      ReceiverStep{"WhiteNoise", 5, 1, -1, -1, -1, -1, -19.1, kNoiseMessage},
                      ReceiverStep{"FilteredNoiseThroughTheEnvelope", 5, 2, -1, -1, -1, -1, 17.0, kNoiseMessage},
                      ReceiverStep{"OvermodulatedThroughTheEnvelope", 6, -1, -1, -1, -1, -1, 22.5, kSteady},
                      ReceiverStep{"OvermodulatedThroughTheProduct", 6, -1, -1, 1, -1, -1, 72.1, kSteady},
                      ReceiverStep{"ProductInPhase", 7, -1, -1, -1, -1, -1, 77.1, kSteady},
                      ReceiverStep{"ProductAt60Degrees", 7, -1, -1, -1, 4, -1, 75.8, kSteady},
                      ReceiverStep{"ProductAt90Degrees", 7, -1, -1, -1, 6, -1, -24.9, kSteady},
                      ReceiverStep{"FilteredNoiseThroughTheProduct", 7, 2, -1, -1, -1, -1, 76.0, kNoiseMessage},
                      ReceiverStep{"FmClean", 8, -1, -1, -1, -1, 0, 70.3, kSteady},
                      ReceiverStep{"PmThroughThePhase", 8, -1, 3, 3, -1, 0, 75.8, kSteady},
                      ReceiverStep{"FmAt15Db", 8, -1, -1, -1, -1, 4, 36.8, kChannelNoise},
                      ReceiverStep{"AmAt15Db", 8, -1, 1, 0, -1, 4, 29.0, kChannelNoise},
                      ReceiverStep{"FmAt10Db", 8, -1, -1, -1, -1, 5, 31.8, kChannelNoise},
                      ReceiverStep{"AmAt10Db", 8, -1, 1, 0, -1, 5, 24.1, kChannelNoise},
                      ReceiverStep{"FmAt5Db", 8, -1, -1, -1, -1, -1, 26.8, kChannelNoise},
                      ReceiverStep{"AmAt5Db", 8, -1, 1, 0, -1, -1, 19.1, kChannelNoise},
                      ReceiverStep{"FmAt0Db", 8, -1, -1, -1, -1, 7, 21.7, kChannelNoise},
                      ReceiverStep{"AmAt0Db", 8, -1, 1, 0, -1, 7, 14.1, kChannelNoise}),
    CaseName());

}  // namespace
}  // namespace quorvane::testing
