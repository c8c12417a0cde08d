// The colour-blind switch as a class sees it: each picture's colours taken
// from its drawn pixels, and told apart as dichromats would see them.
#include <QAction>
#include <QCheckBox>
#include <QScrollBar>
#include <QTest>
#include <iostream>
#include <map>
#include <set>

#include "WindowFixture.h"
#include "app/ReceiverDesign.h"
#include "plot/TracePalette.h"
#include "support/ColourVision.h"
#include "ui/pictures/PictureBox.h"
#include "ui/receiver/ReceiverDock.h"
#include "ui/receiver/ReceiverWindow.h"
#include "ui/window/Colour.h"

namespace quorvane::testing {
namespace {

// The requirements themselves: ΔE 30 between traces sharing a picture keeps
// one-pixel lines apart at a glance, 40 from the background keeps a line
// from fading into it. The simulation is plain double arithmetic on 8-bit
// colours, exact to far below 0.01, so no allowance is needed for it.
constexpr double kBetweenTraces = 30;
constexpr double kFromBackground = 40;

std::array<int, 3> Channels(QRgb colour)
{
    return {qRed(colour), qGreen(colour), qBlue(colour)};
}

QRgb Rgb(Colour colour)
{
    return fromBgr(colour).rgb();
}

struct Drawn {
    QRgb background;
    std::set<QRgb> traces;
};

// Every colour inside the border, the commonest being the background. The
// rasteriser sets whole pixels to a trace's colour and never blends, so
// there are no in-between colours to leave out; were there any, the test's
// comparison with the colours expected would fail and show them.
Drawn ColoursOf(PictureBox& picture)
{
    const QImage image = picture.grab().toImage();
    std::map<QRgb, int> counts;
    const QRect inside = picture.contentsRect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
    const auto commonest = std::max_element(counts.begin(), counts.end(),
                                            [](const auto& a, const auto& b) { return a.second < b.second; });
    Drawn drawn{commonest->first, {}};
    for (const auto& [colour, count] : counts)
        if (colour != drawn.background)
            drawn.traces.insert(colour);
    return drawn;
}

// With normal vision too: the switch must not trade one class's view for another's.
void ExpectApart(const QString& picture, QRgb one, QRgb other, double least)
{
    std::cout << picture.toStdString() << " " << QColor(one).name().toStdString() << " vs "
              << QColor(other).name().toStdString();
    for (Vision vision : kVisions) {
        const double difference = DeltaE(vision, Channels(one), Channels(other));
        std::cout << "  " << VisionName(vision) << " " << std::lround(difference);
        EXPECT_GE(difference, least) << picture.toStdString() << " " << VisionName(vision);
    }
    std::cout << "\n";
}

class ColourBlindTest : public WindowTest {
protected:
    void SetUp() override
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->magnifier().setZoom(1.0);
    }
};

TEST_F(ColourBlindTest, EveryPictureKeepsItsColoursApartUnderEachDichromacy)
{
    QTest::keyClick(form.get(), Qt::Key_F3);
    ASSERT_TRUE(form->controller().ColourBlind());
    QTest::keyClick(form.get(), Qt::Key_F2);
    ReceiverWindow& receiver = *form->receiver().receiverWindow();
    for (const char* name : {"memoryButton", "modulatedTraceButton", "modulatedSpectrumButton"})
        Get<QCheckBox>(name).setChecked(true);
    form->runFrame();  // holds both spectra
    // The live traces move off the held copies, and noise takes the recovered
    // message off the message, so that every picture shows both its colours.
    Get<QScrollBar>("messageFrequencyBar").setValue(48);
    receiver.bar(ReceiverBar::channelNoise).setValue(3);
    for (int frame = 0; frame < 3; ++frame)
        form->runFrame();

    const QRgb held = Rgb(kColourBlindPalette.held);
    const std::pair<PictureBox*, std::set<QRgb>> pictures[] = {
        {&Get<PictureBox>("messagePicture"), {Rgb(kMessageColour)}},
        {&Get<PictureBox>("messageSpectrumPicture"), {Rgb(kMessageColour), held}},
        {&Get<PictureBox>("carrierPicture"), {Rgb(kCarrierColour)}},
        {&Get<PictureBox>("modulatedPicture"), {Rgb(kModulatedColour)}},
        {&Get<PictureBox>("modulatedSpectrumPicture"), {Rgb(kModulatedColour), held}},
        {&Find<PictureBox>(receiver, "receivedSignalPicture"), {Rgb(kModulatedColour)}},
        {&Find<PictureBox>(receiver, "recoveredMessagePicture"),
         {Rgb(kMessageColour), Rgb(kColourBlindPalette.recovered)}},
    };
    for (const auto& [picture, expected] : pictures) {
        const Drawn drawn = ColoursOf(*picture);
        EXPECT_EQ(drawn.traces, expected) << picture->objectName().toStdString();
        for (QRgb trace : drawn.traces) {
            ExpectApart(picture->objectName(), trace, drawn.background, kFromBackground);
            for (QRgb other : drawn.traces)
                if (other > trace)
                    ExpectApart(picture->objectName(), trace, other, kBetweenTraces);
        }
    }
}

}  // namespace
}  // namespace quorvane::testing
