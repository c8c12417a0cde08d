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
#include "FormDriver.h"
#include "ui/Colour.h"
#include "ui/FormFixture.h"
#include "ui/PictureBox.h"

namespace quorvane::testing {
namespace {


class BadInput : public FormTest {
protected:
    void SetUp() override { form->show(); }

    QCheckBox& Check(const char* name) { return Get<QCheckBox>(name); }

    // Pixels of the given 0x00BBGGRR colour in a picture as it would be painted now.
    int PixelsOf(const char* picture, std::int32_t colour)
    {
        const QImage image = Get<PictureBox>(picture).grab().toImage();
        const QRgb wanted = FromBgr(colour).rgb();
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

    FormDriver driver{*form};
};

// The boxes are read only: keys, deleting, cutting and pasting change neither
// them nor the parameters, and the scroll bars still write them.
TEST_F(BadInput, TypingIntoTheTextBoxesChangesNothing)
{
    QApplication::clipboard()->setText(QStringLiteral("42"));
    for (const char* name : {"txtFreq(0)", "txtFreq(1)", "txtDepth"}) {
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
    EXPECT_EQ(State().dDataFreq, 0.5);
    EXPECT_EQ(State().dCarrierFreq, 6.4);
    EXPECT_EQ(State().dDepth, 1.0);
    EXPECT_EQ(State().iDataSpectrums, 0) << "typing restarts nothing and runs no frame";

    Get<QScrollBar>("vscDepth").setValue(0);
    EXPECT_EQ(Get<QLineEdit>("txtDepth").text(), "2");
    EXPECT_EQ(State().dDepth, 2.0);
    Get<QScrollBar>("hscFreq(0)").setValue(17);
    EXPECT_EQ(Get<QLineEdit>("txtFreq(0)").text(), " 2.6");
    Tick();
}

TEST_F(BadInput, GreyedPassbandClearsTheModulatedPicture)
{
    Check("chkPassband").setCheckState(Qt::Checked);
    Tick();
    ASSERT_GT(PixelsOf("picModData", kModulatedColour), 500) << "the trace is drawn while checked";
    Check("chkPassband").setCheckState(Qt::PartiallyChecked);
    Tick();
    EXPECT_EQ(PixelsOf("picModData", kModulatedColour), 0);
    EXPECT_NE(State().dModSignal[2], 0.0) << "the modulated signal is still computed";
}

TEST_F(BadInput, GreyedSpectrumShowsNoLiveTrace)
{
    Check("chkSpectrum").setCheckState(Qt::Checked);
    Tick();
    ASSERT_GT(PixelsOf("picSpectrum(1)", kModulatedColour), 500) << "the live trace is drawn while checked";
    Check("chkSpectrum").setCheckState(Qt::PartiallyChecked);
    const std::int16_t before = State().iModSpectrums;
    Tick();
    EXPECT_EQ(PixelsOf("picSpectrum(1)", kModulatedColour), 0);
    EXPECT_EQ(State().iModSpectrums, before + 1) << "the average goes on while hidden";
}

// Greyed is not 1, so the spectra are logarithmic: after the restart that the
// change makes, each bin holds ln of its power, or -10000 where it is silent.
// The same library log of the same power: within 4 ulps.
TEST_F(BadInput, GreyedLinearMeansLogarithmic)
{
    ASSERT_EQ(Check("chkLinear").checkState(), Qt::Checked);
    Tick();
    Tick();
    Check("chkLinear").setCheckState(Qt::PartiallyChecked);
    EXPECT_EQ(State().iDataSpectrums, 0) << "greying the switch restarts like a click";
    Tick();
    ASSERT_EQ(State().iDataSpectrums, 1);
    int silent = 0;
    for (int k = 0; k < kPoints; ++k) {
        const double re = State().dDataFFT[2 * k];
        const double im = State().dDataFFT[2 * k + 1];
        const double power = im * im + re * re;
        if (power > 0) {
            EXPECT_DOUBLE_EQ(State().dDataSpectrum[k], std::log(power)) << "bin " << k;
        } else {
            EXPECT_EQ(State().dDataSpectrum[k], -10000.0) << "bin " << k;
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
    auto& memory = Check("chkMemory");
    memory.setCheckState(Qt::PartiallyChecked);
    Tick();
    EXPECT_EQ(State().bDataMemory, kFalse);
    EXPECT_EQ(State().bModMemory, kFalse);
    EXPECT_EQ(State().dDataSpectrumMem[0], 0.0) << "no copy taken";

    memory.setCheckState(Qt::Checked);
    Tick();
    ASSERT_EQ(State().bDataMemory, kTrue);
    const SampleBuffer held = State().dDataSpectrumMem;
    memory.setCheckState(Qt::PartiallyChecked);
    Get<QScrollBar>("hscFreq(0)").setValue(50);  // a different message, a different average
    Tick();
    Tick();
    EXPECT_EQ(State().bDataMemory, kTrue);
    EXPECT_EQ(State().bModMemory, kTrue);
    EXPECT_EQ(State().dDataSpectrumMem, held) << "the held copy is not refreshed";
    EXPECT_NE(State().dDataSpectrum, held);

    memory.setCheckState(Qt::Unchecked);
    Tick();
    EXPECT_EQ(State().bDataMemory, kFalse);
    EXPECT_EQ(State().bModMemory, kFalse);
}

// Greyed two-sided is one-sided: the markers stay at the left edge, and the
// message spectrum is drawn exactly as with the switch off.
TEST_F(BadInput, GreyedTwoSidedDrawsOneSided)
{
    auto& twoSides = Check("chkTwoSides");
    Tick();
    const QImage oneSided = Get<PictureBox>("picSpectrum(0)").grab().toImage();
    twoSides.setCheckState(Qt::Checked);
    Tick();
    ASSERT_NE(Get<PictureBox>("picSpectrum(0)").grab().toImage(), oneSided);
    twoSides.setCheckState(Qt::PartiallyChecked);
    Tick();
    EXPECT_EQ(Get<PictureBox>("picSpectrum(0)").grab().toImage(), oneSided);
    EXPECT_EQ(form->lneZero(0).X1, 6000);
    EXPECT_EQ(form->lneZero(1).X1, 6000);
}

}  // namespace
}  // namespace quorvane::testing
