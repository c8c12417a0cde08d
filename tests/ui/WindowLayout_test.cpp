#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include "engine/Choices.h"
#include "WindowFixture.h"
#include "ui/widgets/CheckBox.h"
#include "ui/pictures/PictureBox.h"

namespace quorvane::testing {
namespace {

struct BoxCase {
    const char* name;
    const char* className;
    QRect box;  // pixels: the design's twips over 15
    const char* caption = nullptr;
};

class ControlBox : public WindowTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(ControlBox, SitsInItsDesignBoxWithItsCaption)
{
    const QWidget& control = Get<QWidget>(GetParam().name);
    EXPECT_TRUE(control.inherits(GetParam().className)) << control.metaObject()->className();
    EXPECT_EQ(control.geometry(), GetParam().box);
    if (!GetParam().caption)
        return;
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        EXPECT_EQ(label->text(), GetParam().caption);
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    } else {
        EXPECT_EQ(qobject_cast<const QAbstractButton*>(&control)->text(), GetParam().caption);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Design, ControlBox,
    ::testing::Values(
        BoxCase{"messagePicture", "quorvane::PictureBox", {400, 16, 593, 69}},
        BoxCase{"messageSpectrumPicture", "quorvane::PictureBox", {400, 88, 593, 185}},
        BoxCase{"carrierPicture", "quorvane::PictureBox", {400, 300, 593, 77}},
        BoxCase{"modulatedPicture", "quorvane::PictureBox", {400, 392, 593, 77}},
        BoxCase{"modulatedSpectrumPicture", "quorvane::PictureBox", {400, 472, 593, 185}},
        BoxCase{"timeScrollBar", "QScrollBar", {400, 0, 497, 17}},
        BoxCase{"timeZoomBar", "QScrollBar", {896, 0, 97, 17}},
        BoxCase{"messageFrame", "quorvane::ShapeFrame", {36, 24, 341, 97}},
        BoxCase{"messageTypeLabel", "QLabel", {40, 32, 137, 33}, "Signal Type"},
        BoxCase{"messageTypeList", "QComboBox", {188, 32, 181, 32}},
        BoxCase{"messageFrequencyLabel", "QLabel", {56, 80, 121, 33}, "Frequency"},
        BoxCase{"messageFrequencyBar", "QScrollBar", {188, 80, 89, 33}},
        BoxCase{"messageFrequencyBox", "QLineEdit", {284, 80, 53, 33}},
        BoxCase{"messageUnitLabel", "QLabel", {328, 80, 41, 33}, "Hz"},
        BoxCase{"carrierFrame", "quorvane::ShapeFrame", {60, 300, 321, 77}},
        BoxCase{"carrierLabel", "QLabel", {84, 308, 101, 33}, "Carrier"},
        BoxCase{"carrierFrequencyLabel", "QLabel", {68, 340, 117, 33}, "Frequency"},
        BoxCase{"carrierFrequencyBar", "QScrollBar", {192, 324, 89, 33}},
        BoxCase{"carrierFrequencyBox", "QLineEdit", {288, 324, 53, 33}},
        BoxCase{"carrierUnitLabel", "QLabel", {332, 324, 41, 33}, "Hz"},
        BoxCase{"modulationFrame", "quorvane::ShapeFrame", {104, 392, 273, 97}},
        BoxCase{"schemeLabel", "QLabel", {112, 400, 121, 33}, "Modulation"},
        BoxCase{"schemeList", "QComboBox", {244, 400, 125, 32}},
        BoxCase{"depthLabel", "QLabel", {216, 444, 65, 33}, "Depth"},
        BoxCase{"depthBox", "QLineEdit", {292, 440, 53, 33}},
        BoxCase{"depthBar", "QScrollBar", {344, 440, 25, 33}},
        BoxCase{"twoSidedCheckBox", "quorvane::CheckBox", {248, 536, 113, 41}, "Two-Sided Spectra"},
        BoxCase{"linearCheckBox", "quorvane::CheckBox", {248, 576, 113, 41}, "Linear Plots"},
        BoxCase{"pauseButton", "QPushButton", {12, 588, 81, 33}, Key(PauseState::running).data()},
        BoxCase{"memoryButton", "quorvane::ButtonCheckBox", {100, 588, 97, 32}, "Memory"},
        BoxCase{"modulatedTraceButton", "quorvane::ButtonCheckBox", {392, 408, 17, 48}, ""},
        BoxCase{"modulatedSpectrumButton", "quorvane::ButtonCheckBox", {392, 536, 21, 56}, ""},
        BoxCase{"logo", "QLabel", {56, 628, 300, 48}}),
    CaseName{});

using LayoutTest = WindowTest;

TEST_F(LayoutTest, NothingBeyondTheDesign)
{
    EXPECT_EQ(form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 33);
    EXPECT_EQ(Get<QLabel>("logo").pixmap().deviceIndependentSize(), QSizeF(300, 48));
}

TEST_F(LayoutTest, PicturesMeasureTheirInsideInTwips)
{
    for (const char* name :
         {"messagePicture", "messageSpectrumPicture", "carrierPicture", "modulatedPicture", "modulatedSpectrumPicture"}) {
        const auto& picture = Get<PictureBox>(name);
        EXPECT_EQ(picture.OuterLeft(), 6000.0f) << name;
        EXPECT_EQ(picture.OuterWidth(), 8895.0f) << name;
        EXPECT_EQ(picture.InnerWidth(), 8835.0f) << name;
        EXPECT_EQ(picture.InnerHeight(), picture.height() * 15.0f - 60.0f) << name;
    }
}

QRect CaptionRoom(const CheckBox& box)
{
    return box.rect().adjusted(CheckBox::captionIndent(*box.style()), 0, 0, 0);
}

QRect CaptionNeeds(const CheckBox& box)
{
    return box.fontMetrics().boundingRect(CaptionRoom(box), CheckBox::kCaptionFlags, box.text());
}

// The typeface asked for is often missing; whatever stands in must still fit.
TEST_F(LayoutTest, EveryCaptionFitsItsBox)
{
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
        EXPECT_LE(label->fontMetrics().height(), label->height());
    }
    for (const char* name : {"twoSidedCheckBox", "linearCheckBox"})
        EXPECT_TRUE(CaptionRoom(Get<CheckBox>(name)).contains(CaptionNeeds(Get<CheckBox>(name))))
            << name;
    const auto& twoSides = Get<CheckBox>("twoSidedCheckBox");
    EXPECT_GE(CaptionNeeds(twoSides).height(), 2 * twoSides.fontMetrics().height()) << "two lines";
    for (const char* name : {"pauseButton", "memoryButton"}) {
        const auto& button = Get<QAbstractButton>(name);
        EXPECT_LT(button.fontMetrics().horizontalAdvance(button.text()), button.width() - 8)
            << name;
    }
    const auto& widest = Get<QLineEdit>("carrierFrequencyBox");
    EXPECT_LT(widest.fontMetrics().horizontalAdvance(" 128"), widest.width() - 8);
    EXPECT_EQ(Get<QWidget>("messageTypeLabel").font().family(), "MS Sans Serif");
    EXPECT_EQ(Get<QWidget>("messageTypeLabel").font(), Get<QWidget>("messageUnitLabel").font())
        << "one size for the whole class";
}

TEST_F(LayoutTest, FramesHaveThreePixelBordersInTheTraceColours)
{
    const QImage window = form->grab().toImage();
    const std::pair<const char*, QColor> frames[]{{"messageFrame", QColor(0, 128, 0)},
                                                  {"carrierFrame", QColor(128, 0, 128)},
                                                  {"modulationFrame", QColor(0, 0, 128)}};
    for (const auto& [name, colour] : frames) {
        const QRect box = Get<QWidget>(name).geometry();
        const int y = box.center().y();
        for (int dx = 0; dx < 3; ++dx) {
            EXPECT_EQ(window.pixelColor(box.left() + dx, y), colour) << name;
            EXPECT_EQ(window.pixelColor(box.right() - dx, y), colour) << name;
        }
        EXPECT_NE(window.pixelColor(box.left() + 3, y), colour) << name;
    }
}

TEST_F(LayoutTest, OverlapsShowTheRightControlOnTop)
{
    EXPECT_EQ(form->childAt(332, 96), &Get<QWidget>("messageFrequencyBox"));
    EXPECT_EQ(form->childAt(405, 430), &Get<QWidget>("modulatedTraceButton"));
    EXPECT_EQ(form->childAt(410, 560), &Get<QWidget>("modulatedSpectrumButton"));
}

}  // namespace
}  // namespace quorvane::testing
