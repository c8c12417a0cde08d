// What a student can do that the program must shrug off: typing into the
// boxes that only show values, and check boxes left greyed, which count as
// unchecked wherever a frame tests them for "checked".
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <cmath>

#include "plot/TraceColours.h"
#include "WindowDriver.h"
#include "ui/window/Colour.h"
#include "ui/WindowFixture.h"
#include "ui/pictures/PictureBox.h"

namespace quorvane::testing {
namespace {


class BadInput : public WindowTest {
protected:
    void SetUp() override { form->show(); }

    QCheckBox& Check(const char* name) { return Get<QCheckBox>(name); }

    // Pixels of the given 0x00BBGGRR colour in a picture as it would be painted now.
    int PixelsOf(const char* picture, std::int32_t colour)
    {
        const QImage image = Get<PictureBox>(picture).grab().toImage();
        const QRgb wanted = fromBgr(colour).rgb();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += (image.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF);
        return count;
    }

    void Tick()
    {
        ASSERT_EQ(driver.Tick(), "");
    }

    WindowDriver driver{*form};
};

// The boxes are read only: keys, deleting, cutting and pasting change neither
// them nor the parameters, and the scroll bars still write them.
TEST_F(BadInput, TypingIntoTheTextBoxesChangesNothing)
{
    QApplication::clipboard()->setText(QStringLiteral("42"));
    for (const char* name : {"messageFrequencyBox", "carrierFrequencyBox", "depthBox"}) {
        auto& box = Get<QLineEdit>(name);
        EXPECT_TRUE(box.isReadOnly()) << name;
        const QString before = box.text();
        box.setFocus();
        QTest::keyClicks(&box, "12abc,.-");
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Home);
        QTest::keyClick(&box, Qt::Key_Delete);
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box.text(), before) << name;
    }
    EXPECT_EQ(State().messageFrequencyDaHz, 0.5);
    EXPECT_EQ(State().carrierFrequencyDaHz, 6.4);
    EXPECT_EQ(State().depth, 1.0);
    EXPECT_EQ(State().messageAverageCount, 0) << "typing restarts nothing and runs no frame";

    Get<QScrollBar>("depthBar").setValue(0);
    EXPECT_EQ(Get<QLineEdit>("depthBox").text(), "2");
    EXPECT_EQ(State().depth, 2.0);
    Get<QScrollBar>("messageFrequencyBar").setValue(17);
    EXPECT_EQ(Get<QLineEdit>("messageFrequencyBox").text(), " 2.6");
    Tick();
}

TEST_F(BadInput, GreyedPassbandClearsTheModulatedPicture)
{
    Check("modulatedTraceButton").setCheckState(Qt::Checked);
    Tick();
    ASSERT_GT(PixelsOf("modulatedPicture", kModulatedColour), 500) << "the trace is drawn while checked";
    Check("modulatedTraceButton").setCheckState(Qt::PartiallyChecked);
    Tick();
    EXPECT_EQ(PixelsOf("modulatedPicture", kModulatedColour), 0);
    EXPECT_NE(State().modulatedSignal[2], 0.0) << "the modulated signal is still computed";
}

TEST_F(BadInput, GreyedSpectrumShowsNoLiveTrace)
{
    Check("modulatedSpectrumButton").setCheckState(Qt::Checked);
    Tick();
    ASSERT_GT(PixelsOf("modulatedSpectrumPicture", kModulatedColour), 500) << "the live trace is drawn while checked";
    Check("modulatedSpectrumButton").setCheckState(Qt::PartiallyChecked);
    const std::int16_t before = State().modulatedAverageCount;
    Tick();
    EXPECT_EQ(PixelsOf("modulatedSpectrumPicture", kModulatedColour), 0);
    EXPECT_EQ(State().modulatedAverageCount, before + 1) << "the average goes on while hidden";
}

// Greyed is not 1, so the spectra are logarithmic: after the restart that the
// change makes, each bin holds ln of its power, or -10000 where it is silent.
// The same library log of the same power: within 4 ulps.
TEST_F(BadInput, GreyedLinearMeansLogarithmic)
{
    ASSERT_EQ(Check("linearCheckBox").checkState(), Qt::Checked);
    Tick();
    Tick();
    Check("linearCheckBox").setCheckState(Qt::PartiallyChecked);
    EXPECT_EQ(State().messageAverageCount, 0) << "greying the switch restarts like a click";
    Tick();
    ASSERT_EQ(State().messageAverageCount, 1);
    int silent = 0;
    for (int k = 0; k < kPoints; ++k) {
        const double re = State().messageTransform[2 * k];
        const double im = State().messageTransform[2 * k + 1];
        const double power = im * im + re * re;
        if (power > 0) {
            EXPECT_DOUBLE_EQ(State().messageSpectrum[k], std::log(power)) << "bin " << k;
        } else {
            EXPECT_EQ(State().messageSpectrum[k], -10000.0) << "bin " << k;
            ++silent;
        }
    }
    EXPECT_LT(silent, kPoints) << "a sine message has power somewhere";
}

// The held copy is taken only while the switch is checked and dropped only
// while it is unchecked: greyed takes none, and a copy already held stays
// held, unrefreshed, until the switch is unchecked.
TEST_F(BadInput, GreyedMemoryTakesNoCopyAndKeepsOneHeld)
{
    auto& memory = Check("memoryButton");
    memory.setCheckState(Qt::PartiallyChecked);
    Tick();
    EXPECT_FALSE(State().messageHeld);
    EXPECT_FALSE(State().modulatedHeld);
    EXPECT_EQ(State().messageHeldSpectrum[0], 0.0) << "no copy taken";

    memory.setCheckState(Qt::Checked);
    Tick();
    ASSERT_TRUE(State().messageHeld);
    const SampleBuffer held = State().messageHeldSpectrum;
    memory.setCheckState(Qt::PartiallyChecked);
    Get<QScrollBar>("messageFrequencyBar").setValue(50);  // a different message, a different average
    Tick();
    Tick();
    EXPECT_TRUE(State().messageHeld);
    EXPECT_TRUE(State().modulatedHeld);
    EXPECT_EQ(State().messageHeldSpectrum, held) << "the held copy is not refreshed";
    EXPECT_NE(State().messageSpectrum, held);

    memory.setCheckState(Qt::Unchecked);
    Tick();
    EXPECT_FALSE(State().messageHeld);
    EXPECT_FALSE(State().modulatedHeld);
}

// Greyed two-sided is one-sided: the markers stay at the left edge, and the
// message spectrum is drawn exactly as with the switch off.
TEST_F(BadInput, GreyedTwoSidedDrawsOneSided)
{
    auto& twoSides = Check("twoSidedCheckBox");
    Tick();
    const QImage oneSided = Get<PictureBox>("messageSpectrumPicture").grab().toImage();
    twoSides.setCheckState(Qt::Checked);
    Tick();
    ASSERT_NE(Get<PictureBox>("messageSpectrumPicture").grab().toImage(), oneSided);
    twoSides.setCheckState(Qt::PartiallyChecked);
    Tick();
    EXPECT_EQ(Get<PictureBox>("messageSpectrumPicture").grab().toImage(), oneSided);
    EXPECT_EQ(form->panel().zeroMarkers()[0].x1, 6000);
    EXPECT_EQ(form->panel().zeroMarkers()[1].x1, 6000);
}

// The receiver opened, closed and set between any two frames, its bars pushed
// past their ends: every frame still holds the window's rules, and while open
// its pictures keep being drawn.
TEST_F(BadInput, ReceiverEventsBetweenFramesKeepEveryRule)
{
    for (int argument = 0; argument < 256; ++argument) {
        ASSERT_EQ(driver.Do(Action::Receiver, static_cast<std::uint8_t>(argument * 37)), "") << argument;
        Tick();
    }
    ASSERT_NE(form->receiver().receiverWindow(), nullptr);
}

}  // namespace
}  // namespace quorvane::testing
