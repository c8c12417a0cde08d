#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include "engine/ControlTexts.h"
#include "FormFixture.h"
#include "ui/CheckBox.h"
#include "ui/PictureBox.h"

namespace quorvane::testing {
namespace {

struct BoxCase {
    const char* name;
    const char* className;
    QRect box;  // pixels: the design's twips over 15
    const char* caption = nullptr;
};

class ControlBox : public FormTest, public ::testing::WithParamInterface<BoxCase> {};

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
        BoxCase{"picData", "quorvane::PictureBox", {400, 16, 593, 69}},
        BoxCase{"picSpectrum(0)", "quorvane::PictureBox", {400, 88, 593, 185}},
        BoxCase{"picCarrier", "quorvane::PictureBox", {400, 300, 593, 77}},
        BoxCase{"picModData", "quorvane::PictureBox", {400, 392, 593, 77}},
        BoxCase{"picSpectrum(1)", "quorvane::PictureBox", {400, 472, 593, 185}},
        BoxCase{"hscDataScroll", "QScrollBar", {400, 0, 497, 17}},
        BoxCase{"hscDataZoom", "QScrollBar", {896, 0, 97, 17}},
        BoxCase{"shpDataBox", "quorvane::ShapeFrame", {36, 24, 341, 97}},
        BoxCase{"Label1", "QLabel", {40, 32, 137, 33}, "Signal Type"},
        BoxCase{"cmbData", "QComboBox", {188, 32, 181, 32}},
        BoxCase{"lblModulation(2)", "QLabel", {56, 80, 121, 33}, "Frequency"},
        BoxCase{"hscFreq(0)", "QScrollBar", {188, 80, 89, 33}},
        BoxCase{"txtFreq(0)", "QLineEdit", {284, 80, 53, 33}},
        BoxCase{"lblModulation(3)", "QLabel", {328, 80, 41, 33}, "Hz"},
        BoxCase{"Shape1", "quorvane::ShapeFrame", {60, 300, 321, 77}},
        BoxCase{"lblModulation(6)", "QLabel", {84, 308, 101, 33}, "Carrier"},
        BoxCase{"lblModulation(5)", "QLabel", {68, 340, 117, 33}, "Frequency"},
        BoxCase{"hscFreq(1)", "QScrollBar", {192, 324, 89, 33}},
        BoxCase{"txtFreq(1)", "QLineEdit", {288, 324, 53, 33}},
        BoxCase{"lblModulation(4)", "QLabel", {332, 324, 41, 33}, "Hz"},
        BoxCase{"shpTxBox", "quorvane::ShapeFrame", {104, 392, 273, 97}},
        BoxCase{"lblModulation(0)", "QLabel", {112, 400, 121, 33}, "Modulation"},
        BoxCase{"cmbMod", "QComboBox", {244, 400, 125, 32}},
        BoxCase{"lblModulation(1)", "QLabel", {216, 444, 65, 33}, "Depth"},
        BoxCase{"txtDepth", "QLineEdit", {292, 440, 53, 33}},
        BoxCase{"vscDepth", "QScrollBar", {344, 440, 25, 33}},
        BoxCase{"chkTwoSides", "quorvane::CheckBox", {248, 536, 113, 41}, "Two-Sided Spectra"},
        BoxCase{"chkLinear", "quorvane::CheckBox", {248, 576, 113, 41}, "Linear Plots"},
        BoxCase{"cmdPause", "QPushButton", {12, 588, 81, 33}, kRunningCaption.data()},
        BoxCase{"chkMemory", "quorvane::ButtonCheckBox", {100, 588, 97, 32}, "Memory"},
        BoxCase{"chkPassband", "quorvane::ButtonCheckBox", {392, 408, 17, 48}, ""},
        BoxCase{"chkSpectrum", "quorvane::ButtonCheckBox", {392, 536, 21, 56}, ""},
        BoxCase{"imgVarrow", "QLabel", {56, 628, 300, 48}}),
    CaseName{});

using LayoutTest = FormTest;

TEST_F(LayoutTest, NothingBeyondTheDesign)
{
    EXPECT_EQ(form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 33);
    EXPECT_EQ(Get<QLabel>("imgVarrow").pixmap().deviceIndependentSize(), QSizeF(300, 48));
}

TEST_F(LayoutTest, PicturesMeasureTheirInsideInTwips)
{
    for (const char* name :
         {"picData", "picSpectrum(0)", "picCarrier", "picModData", "picSpectrum(1)"}) {
        const auto& picture = Get<PictureBox>(name);
        EXPECT_EQ(picture.Left(), 6000.0f) << name;
        EXPECT_EQ(picture.Width(), 8895.0f) << name;
        EXPECT_EQ(picture.ScaleWidth(), 8835.0f) << name;
        EXPECT_EQ(picture.ScaleHeight(), picture.height() * 15.0f - 60.0f) << name;
    }
}

QRect CaptionRoom(const CheckBox& box)
{
    return box.rect().adjusted(CheckBox::CaptionIndent(*box.style()), 0, 0, 0);
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
    for (const char* name : {"chkTwoSides", "chkLinear"})
        EXPECT_TRUE(CaptionRoom(Get<CheckBox>(name)).contains(CaptionNeeds(Get<CheckBox>(name))))
            << name;
    const auto& twoSides = Get<CheckBox>("chkTwoSides");
    EXPECT_GE(CaptionNeeds(twoSides).height(), 2 * twoSides.fontMetrics().height()) << "two lines";
    for (const char* name : {"cmdPause", "chkMemory"}) {
        const auto& button = Get<QAbstractButton>(name);
        EXPECT_LT(button.fontMetrics().horizontalAdvance(button.text()), button.width() - 8)
            << name;
    }
    const auto& widest = Get<QLineEdit>("txtFreq(1)");
    EXPECT_LT(widest.fontMetrics().horizontalAdvance(" 128"), widest.width() - 8);
    EXPECT_EQ(Get<QWidget>("Label1").font().family(), "MS Sans Serif");
    EXPECT_EQ(Get<QWidget>("Label1").font(), Get<QWidget>("lblModulation(3)").font())
        << "one size for the whole class";
}

TEST_F(LayoutTest, FramesHaveThreePixelBordersInTheTraceColours)
{
    const QImage window = form->grab().toImage();
    const std::pair<const char*, QColor> frames[]{{"shpDataBox", QColor(0, 128, 0)},
                                                  {"Shape1", QColor(128, 0, 128)},
                                                  {"shpTxBox", QColor(0, 0, 128)}};
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
    EXPECT_EQ(form->childAt(332, 96), &Get<QWidget>("txtFreq(0)"));
    EXPECT_EQ(form->childAt(405, 430), &Get<QWidget>("chkPassband"));
    EXPECT_EQ(form->childAt(410, 560), &Get<QWidget>("chkSpectrum"));
}

}  // namespace
}  // namespace quorvane::testing
