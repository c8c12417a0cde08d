// The colour-blind switch as a class sees it: each picture's colours taken
// from its drawn pixels, and told apart as dichromats would see them.
#include <QCheckBox>
#include <QScrollBar>
#include <QTest>
#include <iostream>
#include <map>
#include <set>

#include "WindowFixture.h"
#include "plot/TracePalette.h"
#include "support/ColourVision.h"
#include "ui/pictures/PictureBox.h"
#include "ui/receiver/ReceiverDock.h"
#include "ui/receiver/ReceiverWindow.h"
#include "ui/window/Colour.h"

namespace quorvane::testing {
namespace {

// The requirements themselves: ΔE 30 between traces sharing a picture keeps
// one-pixel lines apart at a glance, 40 keeps a line from fading into the
// background, with normal vision too. The sums are doubles on 8-bit colours,
// exact to far below 0.1, so the bounds need no allowance.
void ExpectApart(const QString& picture, QRgb one, QRgb other, double least)
{
    std::cout << picture.toStdString() << " " << QColor(one).name().toStdString() << " "
              << QColor(other).name().toStdString();
    for (const Vision& vision : kVisions) {
        const double difference = DeltaE(vision, {qRed(one), qGreen(one), qBlue(one)},
                                         {qRed(other), qGreen(other), qBlue(other)});
        std::cout << "  " << vision.name << " " << std::lround(difference);
        EXPECT_GE(difference, least) << picture.toStdString() << " " << vision.name;
    }
    std::cout << "\n";
}

TEST_F(WindowTest, ColourBlindColoursStayApartUnderEachDichromacy)
{
    // The usual brown against the message's green, as published for these sums.
    const double brownFromGreen[] = {76.7, 23.0, 8.0, 75.7};
    for (std::size_t i = 0; i < kVisions.size(); ++i)
        EXPECT_NEAR(DeltaE(kVisions[i], {0, 128, 0}, {128, 64, 0}), brownFromGreen[i], 0.05) << kVisions[i].name;

    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->magnifier().setZoom(1.0);
    QTest::keyClick(form.get(), Qt::Key_F3);
    QTest::keyClick(form.get(), Qt::Key_F2);
    ReceiverWindow& receiver = *form->receiver().receiverWindow();
    for (const char* name : {"memoryButton", "modulatedTraceButton", "modulatedSpectrumButton"})
        Get<QCheckBox>(name).setChecked(true);
    EXPECT_TRUE(Get<QCheckBox>("memoryButton").toolTip().contains(QStringLiteral("drawn in plum")));
    form->runFrame();  // holds both spectra
    // The live traces move off the held copies, and noise takes the recovered
    // message off the message, so that every picture shows all its colours.
    Get<QScrollBar>("messageFrequencyBar").setValue(48);
    receiver.bar(ReceiverBar::channelNoise).setValue(3);
    for (int frame = 0; frame < 3; ++frame)
        form->runFrame();

    const auto rgb = [](Colour colour) { return fromBgr(colour).rgb(); };
    const QRgb held = rgb(kColourBlindPalette.held);
    const std::pair<PictureBox*, std::set<QRgb>> pictures[] = {
        {&Get<PictureBox>("messagePicture"), {rgb(kMessageColour)}},
        {&Get<PictureBox>("messageSpectrumPicture"), {rgb(kMessageColour), held}},
        {&Get<PictureBox>("carrierPicture"), {rgb(kCarrierColour)}},
        {&Get<PictureBox>("modulatedPicture"), {rgb(kModulatedColour)}},
        {&Get<PictureBox>("modulatedSpectrumPicture"), {rgb(kModulatedColour), held}},
        {&Find<PictureBox>(receiver, "receivedSignalPicture"), {rgb(kModulatedColour)}},
        {&Find<PictureBox>(receiver, "recoveredMessagePicture"), {rgb(kMessageColour), rgb(kColourBlindPalette.recovered)}},
    };
    // Every colour inside the border, the commonest being the background. The
    // rasteriser sets whole pixels and never blends, so there are no mixed
    // colours to leave out; were there any, the comparison with the colours
    // expected would fail and name them.
    for (const auto& [picture, expected] : pictures) {
        const QImage image = picture->grab().toImage();
        std::map<QRgb, int> counts;
        const QRect inside = picture->contentsRect();
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                ++counts[image.pixel(x, y)];
        const auto byCount = [](const auto& a, const auto& b) { return a.second < b.second; };
        const QRgb background = std::max_element(counts.begin(), counts.end(), byCount)->first;
        std::set<QRgb> traces;
        for (const auto& [colour, count] : counts)
            if (colour != background)
                traces.insert(colour);
        EXPECT_EQ(traces, expected) << picture->objectName().toStdString();
        for (QRgb trace : traces) {
            ExpectApart(picture->objectName(), trace, background, 40);
            for (QRgb other : traces)
                if (other > trace)
                    ExpectApart(picture->objectName(), trace, other, 30);
        }
    }
}

}  // namespace
}  // namespace quorvane::testing
