// What the window adds for a class beside its design: tooltips, the readout
// under the pointer, magnification and visible keyboard focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include "WindowFixture.h"
#include "app/WindowDesign.h"
#include "ui/magnification/Zoom.h"
#include "ui/pictures/PictureBox.h"
#include "ui/readout/ReadoutLabel.h"
#include "ui/window/Pixels.h"
#include "ui/window/Utf8.h"

namespace quorvane::testing {
namespace {

using ClassroomTest = WindowTest;

bool IsPicture(std::string_view name)
{
    return name.ends_with("Picture");
}

TEST_F(ClassroomTest, EveryTabStopButThePicturesHasATooltip)
{
    for (std::string_view name : FocusOrder()) {
        const QWidget& control = Get<QWidget>(toQString(name));
        EXPECT_EQ(control.toolTip().isEmpty(), IsPicture(name)) << name;
    }
    auto& pause = Get<QPushButton>("pauseButton");
    const QString running = pause.toolTip();
    pause.click();
    EXPECT_NE(pause.toolTip(), running);  // says what the next click will do
}

// Moves the pointer to a pixel of the picture's inside.
void PointAt(PictureBox& picture, QPoint inside)
{
    const QPointF at(inside + QPoint(2, 2));
    QMouseEvent move(QEvent::MouseMove, at, picture.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&picture, &move);
}

TEST_F(ClassroomTest, ReadoutFollowsThePointerAndGoesWhenItLeaves)
{
    for (int tick = 0; tick < 3; ++tick)
        form->runFrame();
    // Sample 9 (x 150 twips at 17 a sample) of the 5 Hz sine: sin(18 / 64) = 0.278.
    PointAt(Get<PictureBox>("messagePicture"), {10, 10});
    ASSERT_TRUE(form->pointerReadout().readoutWindow().isVisible());
    EXPECT_EQ(form->pointerReadout().readoutWindow().text(), QStringLiteral("0.009 s\n0.28"));
    // Near the message tone, the readout snaps to its highest bin, 41.
    PointAt(Get<PictureBox>("messageSpectrumPicture"), {12, 50});
    EXPECT_EQ(form->pointerReadout().readoutWindow().text(), QStringLiteral("5.0 Hz\n0.0 dB"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&Get<PictureBox>("messageSpectrumPicture"), &leave);
    EXPECT_FALSE(form->pointerReadout().readoutWindow().isVisible());
    // The modulated trace is not drawn, so there is nothing to read there.
    PointAt(Get<PictureBox>("modulatedPicture"), {10, 10});
    EXPECT_FALSE(form->pointerReadout().readoutWindow().isVisible());
}

TEST(ReadoutText, UsesTheLocaleDecimalSignAndATrueMinus)
{
    const QLocale german(QLocale::German);
    EXPECT_EQ(spectrumReadoutText({8152, -4.91, -3.44, -2.0}, german),
              QStringLiteral("−4,9 Hz\n−3,4 dB\nmemory −2,0 dB"));
    EXPECT_EQ(traceReadoutText({0, 0.2621, -0.004}, german), QStringLiteral("0,262 s\n0,00"));
    // A bin holding nothing but rounding has no level worth a number.
    EXPECT_EQ(spectrumReadoutText({100, 12.27, -303.2, -199.9}, QLocale::c()),
              QStringLiteral("12.3 Hz\nno signal\nmemory −199.9 dB"));
}

TEST_F(ClassroomTest, MagnifiedEveryControlKeepsItsPlaceAndPicturesDoubleExactly)
{
    form->runFrame();
    auto& picture = Get<PictureBox>("messageSpectrumPicture");
    const QImage atDesign = picture.grab().toImage();
    const QSize window = form->size();
    form->magnifier().setZoom(2.0);
    EXPECT_EQ(form->size(), window * 2);
    for (const ControlDesign& design : ControlDesigns())
        EXPECT_EQ(Get<QWidget>(toQString(design.name)).geometry(), magnified(toPixels(design.box), 2.0))
            << design.name;
    EXPECT_EQ(picture.InnerWidth(), 8835.0f);
    EXPECT_EQ(picture.grab().toImage().convertToFormat(atDesign.format()),
              atDesign.scaled(atDesign.size() * 2));  // every pixel doubled, nothing blended
    form->magnifier().setZoom(1.0);
    EXPECT_EQ(form->size(), window);
    EXPECT_EQ(picture.grab().toImage(), atDesign);
}

TEST_F(ClassroomTest, ZoomStepsStopWhereTheWindowWouldLeaveTheScreen)
{
    for (int press = 0; press < 10; ++press)
        form->magnifier().zoomIn();
    EXPECT_EQ(form->magnifier().zoom(), 1.5);  // 1505 x 1017 and a frame fit 1920 x 1080; 1.75 does not
    form->magnifier().zoomOut();
    EXPECT_EQ(form->magnifier().zoom(), 1.25);
}

TEST_F(ClassroomTest, TimeBarsFollowTheThumbParameterBarsWaitForItsRelease)
{
    for (const auto& [name, follows] : {std::pair{"timeScrollBar", true}, std::pair{"timeZoomBar", true},
                                        std::pair{"messageFrequencyBar", false}, std::pair{"depthBar", false}}) {
        auto& bar = Get<QScrollBar>(name);
        const int before = bar.value();
        bar.setSliderDown(true);
        bar.setSliderPosition(bar.maximum() == before ? bar.minimum() : bar.maximum());
        EXPECT_EQ(bar.value() != before, follows) << name;
        bar.setSliderDown(false);
    }
}

TEST(MemoryCaption, BlackFromTheStartOnADarkDesktop)
{
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    MainWindow form;
    EXPECT_EQ(Find<QWidget>(form, "memoryButton").palette().color(QPalette::ButtonText), QColor(Qt::black));
    QApplication::setPalette(before);
}

// Focus from the keyboard rings the border; focus from a click shows nothing.
TEST_F(ClassroomTest, KeyboardFocusShowsInThePictureBorderAndOnScrollBars)
{
    form->runFrame();
    for (const char* name : {"carrierPicture", "timeZoomBar"}) {
        QWidget& control = Get<QWidget>(name);
        const QImage plain = control.grab().toImage();
        QFocusEvent byMouse(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(&control, &byMouse);
        EXPECT_EQ(control.grab().toImage(), plain) << name;
        QFocusEvent byTab(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&control, &byTab);
        const QImage ringed = control.grab().toImage();
        EXPECT_NE(ringed, plain) << name;
        if (IsPicture(name)) {  // the drawing area inside the 2-pixel border is untouched
            const QRect inside = plain.rect().adjusted(2, 2, -2, -2);
            EXPECT_EQ(ringed.copy(inside), plain.copy(inside));
        }
    }
}

}  // namespace
}  // namespace quorvane::testing
