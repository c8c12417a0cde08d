// The class guide: where it opens, how it is found and closed, and its
// "Set up" links against the same steps done by hand.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
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
    EXPECT_EQ(numbers, QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(guide.count(QStringLiteral("(setup:")), 4);
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
// set them by hand, at depth 1: list items, bar positions, and the switches
// to turn off (Elsewhere left the modulated trace and spectrum on).
struct SetUpCase {
    const char* name;
    int number;
    int messageType;
    int scheme;
    int message;
    int carrier;
    std::vector<const char*> off;
};

void ByHand(MainWindow& form, const SetUpCase& steps)
{
    Switch(form, {"memoryButton", "twoSidedCheckBox"}, false);
    Choose(form, "messageTypeList", steps.messageType);
    Choose(form, "schemeList", steps.scheme);
    Move(form, {{"messageFrequencyBar", steps.message}, {"carrierFrequencyBar", steps.carrier}, {"depthBar", 5},
                {"timeZoomBar", 1}, {"timeScrollBar", 0}});
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
                      SetUpCase{"SpectralLeakage", 4, 0, 0, 33, 32, {"modulatedTraceButton", "modulatedSpectrumButton"}}),
    CaseName());

}  // namespace
}  // namespace quorvane::testing
