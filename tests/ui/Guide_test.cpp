// The class guide: where it opens, how it is found and closed, and its
// "Set up" links against the same steps done by hand.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QUrl>
#include <map>
#include <vector>

#include "FormFixture.h"
#include "ui/GuidePlacement.h"
#include "ui/GuideResource.h"
#include "ui/GuideWindow.h"
#include "ui/PictureBox.h"

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
    EXPECT_EQ(GuidePlacement(GetParam().main, GetParam().preferred, 316, kAvailable), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Placement,
    ::testing::Values(
        PlacementCase{"RightOfTheWindow", {100, 100, 1019, 718}, {496, 718}, {1119, 100, 496, 718}},
        PlacementCase{"LeftWhereTheRightIsShort", {800, 100, 1019, 718}, {496, 718}, {304, 100, 496, 718}},
        PlacementCase{"NarrowedToTheRoomierSide", {450, 60, 1019, 718}, {496, 718}, {1469, 60, 451, 718}},
        // Too little room on either side: against the edge of the roomier one.
        PlacementCase{"RoomierRightEdge", {150, 60, 1500, 718}, {496, 718}, {1424, 60, 496, 718}},
        PlacementCase{"RoomierLeftEdge", {270, 60, 1500, 718}, {496, 718}, {0, 60, 496, 718}},
        // Level with the window, but moved up to stay on the screen.
        PlacementCase{"RaisedToFit", {100, 500, 1019, 718}, {496, 718}, {1119, 362, 496, 718}},
        PlacementCase{"NoTallerThanTheScreen", {100, 0, 1019, 718}, {496, 1200}, {1119, 40, 496, 1040}}),
    CaseName());

TEST(GuideResource, EachLanguagePicksItsOwnGuideAndAnyOtherTheEnglish)
{
    EXPECT_EQ(GuideResourcePath({QStringLiteral("it-IT"), QStringLiteral("it")}),
              QStringLiteral(":/guide/guide.md"));
    for (const QString& file : QDir(QStringLiteral(":/guide")).entryList({QStringLiteral("guide_*.md")})) {
        QString language = file.mid(6).chopped(3);
        EXPECT_EQ(GuideResourcePath({language.replace(QLatin1Char('_'), QLatin1Char('-'))}),
                  QStringLiteral(":/guide/") + file);
    }
}

// Every link of the guide as shown, with its text.
std::map<QString, QString> Links(const QTextDocument& document)
{
    std::map<QString, QString> links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (const QString href = fragment.fragment().charFormat().anchorHref(); !href.isEmpty())
                links[href] += fragment.fragment().text();
    return links;
}

class GuideTest : public FormTest {
protected:
    void SetUp() override { form->show(); }
    GuideWindow& OpenGuide()
    {
        form->GuideAction().trigger();
        return *form->Guide();
    }
};

TEST_F(GuideTest, F1OrTheContextMenuOpensItBesideTheWindowWithoutTakingTheKeyboard)
{
    QAction& action = form->GuideAction();
    EXPECT_EQ(action.shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(form->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_TRUE(form->actions().contains(&action));
    GuideWindow& guide = OpenGuide();
    EXPECT_TRUE(guide.isVisible());
    EXPECT_TRUE(guide.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(guide.frameGeometry().intersects(form->frameGeometry()));
    EXPECT_EQ(guide.windowTitle(), QStringLiteral("Quorvane: class guide"));
    const std::map<QString, QString> links = Links(*guide.document());
    ASSERT_EQ(links.size(), 4u);
    for (int number = 1; number <= 4; ++number)
        EXPECT_TRUE(links.at(QStringLiteral("setup:%1").arg(number)).startsWith(QStringLiteral("Set up")));
    action.trigger();
    EXPECT_FALSE(guide.isVisible());
}

TEST_F(GuideTest, EscapeClosesItAndItsTextFollowsTheZoom)
{
    GuideWindow& guide = OpenGuide();
    const double size = guide.font().pointSizeF();
    form->SetZoom(2.0);
    EXPECT_DOUBLE_EQ(guide.font().pointSizeF(), 2 * size);
    guide.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&guide));
    QTest::keyClick(&guide, Qt::Key_Escape);
    EXPECT_FALSE(guide.isVisible());
    EXPECT_FALSE(form->GuideAction().isChecked());  // the next F1 opens it again
}

TEST_F(GuideTest, EveryTooltipAndDescriptionNamesTheGuide)
{
    for (const QWidget* control : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!control->toolTip().isEmpty())
            EXPECT_TRUE(control->toolTip().endsWith(QStringLiteral("\nF1: class guide"))) << control->objectName().toStdString();
        if (!control->accessibleDescription().isEmpty())
            EXPECT_TRUE(control->accessibleDescription().endsWith(QStringLiteral("F1: class guide")));
    }
    EXPECT_FALSE(Get<QPushButton>("cmdPause").accessibleDescription().isEmpty());
}

void Choose(Form1& form, const char* list, int index)
{
    auto& box = Find<QComboBox>(form, list);
    box.setCurrentIndex(index);
    emit box.activated(index);
}

void Move(Form1& form, const char* bar, int position)
{
    Find<QScrollBar>(form, bar).setValue(position);
}

void Switch(Form1& form, const char* check, bool on)
{
    if (Find<QCheckBox>(form, check).isChecked() != on)
        QTest::mouseClick(&Find<QCheckBox>(form, check), Qt::LeftButton);
}

// Where a class might be when it follows a link: another experiment's
// settings, a memory copy held, the traces zoomed and the display paused.
void Elsewhere(Form1& form)
{
    Choose(form, "cmbData", 3);
    Choose(form, "cmbMod", 3);
    Move(form, "hscFreq(0)", 50);
    Move(form, "hscFreq(1)", 60);
    Move(form, "vscDepth", 1);
    for (const char* check : {"chkPassband", "chkTwoSides", "chkSpectrum"})
        Switch(form, check, true);
    Move(form, "hscDataZoom", 3);
    Move(form, "hscDataScroll", 7);
    form.Timer1_Timer();
    Switch(form, "chkMemory", true);
    form.Timer1_Timer();
    QTest::mouseClick(&Find<QPushButton>(form, "cmdPause"), Qt::LeftButton);
}

// The guide's words for each experiment's starting point, as a class would
// set them by hand: list items, bar positions, the switches turned off (the
// modulated trace and spectrum are on after Elsewhere), at depth 1.
struct SetUpCase {
    const char* name;
    int number;
    int messageType;
    int scheme;
    int message;
    int carrier;
    std::vector<const char*> off;
};

void ByHand(Form1& form, const SetUpCase& steps)
{
    Switch(form, "chkMemory", false);
    Choose(form, "cmbData", steps.messageType);
    Choose(form, "cmbMod", steps.scheme);
    Move(form, "hscFreq(0)", steps.message);
    Move(form, "hscFreq(1)", steps.carrier);
    Move(form, "vscDepth", 5);
    Switch(form, "chkTwoSides", false);
    for (const char* check : steps.off)
        Switch(form, check, false);
    Move(form, "hscDataZoom", 1);
    Move(form, "hscDataScroll", 0);
    QTest::mouseClick(&Find<QPushButton>(form, "cmdPause"), Qt::LeftButton);
}

class SetUpLink : public GuideTest, public ::testing::WithParamInterface<SetUpCase> {};

TEST_P(SetUpLink, LeavesTheControlsAndTheNextFramesAsTheSameStepsByHand)
{
    Form1 byHand;
    byHand.show();
    for (Form1* window : {form.get(), &byHand})
        Elsewhere(*window);
    emit OpenGuide().anchorClicked(QUrl(QStringLiteral("setup:%1").arg(GetParam().number)));
    ByHand(byHand, GetParam());

    for (int tick = 0; tick < 3; ++tick) {
        form->Timer1_Timer();
        byHand.Timer1_Timer();
    }
    for (const QWidget* control : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QWidget& other = Find<QWidget>(byHand, control->objectName());
        const auto name = control->objectName().toStdString();
        if (auto* bar = qobject_cast<const QScrollBar*>(control))
            EXPECT_EQ(bar->value(), static_cast<const QScrollBar&>(other).value()) << name;
        else if (auto* list = qobject_cast<const QComboBox*>(control))
            EXPECT_EQ(list->currentIndex(), static_cast<const QComboBox&>(other).currentIndex()) << name;
        else if (auto* check = qobject_cast<const QCheckBox*>(control))
            EXPECT_EQ(check->checkState(), static_cast<const QCheckBox&>(other).checkState()) << name;
        else if (auto* box = qobject_cast<const QLineEdit*>(control))
            EXPECT_EQ(box->text(), static_cast<const QLineEdit&>(other).text()) << name;
        else if (auto* picture = qobject_cast<PictureBox*>(const_cast<QWidget*>(control)))
            EXPECT_EQ(picture->grab().toImage(), Find<PictureBox>(byHand, control->objectName()).grab().toImage()) << name;
    }
    EXPECT_EQ(form->PauseCaption(), byHand.PauseCaption());
    EXPECT_EQ(State().iDataSpectrums, byHand.State().iDataSpectrums);
    EXPECT_EQ(State().iModSpectrums, byHand.State().iModSpectrums);
    EXPECT_EQ(State().bModMemory, byHand.State().bModMemory);
    EXPECT_EQ(State().dModSpectrum, byHand.State().dModSpectrum);
}

INSTANTIATE_TEST_SUITE_P(
    Experiments, SetUpLink,
    ::testing::Values(SetUpCase{"AmAndOverModulation", 1, 0, 1, 33, 37, {}},
                      SetUpCase{"FmVersusPm", 2, 0, 2, 33, 37, {"chkPassband", "chkLinear"}},
                      SetUpCase{"FilteredNoiseThroughDsbSc", 3, 2, 0, 32, 32, {"chkPassband"}},
                      SetUpCase{"SpectralLeakage", 4, 0, 0, 33, 32, {"chkPassband", "chkSpectrum"}}),
    CaseName());

}  // namespace
}  // namespace quorvane::testing
