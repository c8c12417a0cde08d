#include "ui/window/ControlFactory.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "ui/widgets/ButtonCheckBox.h"
#include "ui/widgets/CheckBox.h"
#include "ui/window/Colour.h"
#include "ui/widgets/Logo.h"
#include "ui/pictures/PictureBox.h"
#include "ui/widgets/ShapeFrame.h"
#include "ui/language/ShownText.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/window/Pixels.h"
#include "ui/window/Utf8.h"

namespace quorvane {
namespace {

QWidget* createScrollBar(const ControlDesign& design, Qt::Orientation orientation, QWidget* parent)
{
    auto* bar = new ScrollBar(orientation, parent);
    bar->setRange(design.scroll.minimum, design.scroll.maximum);
    bar->setSingleStep(design.scroll.smallStep);
    bar->setPageStep(design.scroll.largeStep);
    bar->setValue(design.scroll.value);
    // The parameter bars answer only the settled position, never the thumb in
    // flight; the time bars, read on every frame, follow it.
    bar->setTracking(design.scroll.tracking);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

QWidget* createLabel(const ControlDesign& design, QWidget* parent)
{
    auto* label = new QLabel(shownText(design.text), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

QWidget* createComboBox(QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->setFocusPolicy(Qt::StrongFocus);
    return list;
}

QWidget* createTextBox(const ControlDesign& design, QWidget* parent)
{
    // Nothing reads what a user would type, so typing is not offered.
    auto* box = new QLineEdit(toQString(design.text), parent);
    box->setReadOnly(true);
    return box;
}

template <typename Box>
QWidget* createCheckBox(const ControlDesign& design, QWidget* parent)
{
    auto* box = new Box(parent);
    box->setText(shownText(design.text));
    box->setCheckState(design.checked ? Qt::Checked : Qt::Unchecked);
    return box;
}

QWidget* createCommandButton(const ControlDesign& design, QWidget* parent)
{
    auto* button = new QPushButton(shownText(design.text), parent);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QWidget* createImage(QWidget* parent)
{
    auto* image = new QLabel(parent);
    image->setPixmap(drawLogo(image->devicePixelRatioF()));
    return image;
}

QWidget* createWidget(const ControlDesign& design, QWidget* parent)
{
    switch (design.kind) {
        case ControlKind::PictureBox: return new PictureBox(parent);
        case ControlKind::HScrollBar: return createScrollBar(design, Qt::Horizontal, parent);
        case ControlKind::VScrollBar: return createScrollBar(design, Qt::Vertical, parent);
        case ControlKind::Shape:
            return new ShapeFrame(fromBgr(design.colour), kShapeBorderWidth, parent);
        case ControlKind::Label: return createLabel(design, parent);
        case ControlKind::ComboBox: return createComboBox(parent);
        case ControlKind::TextBox: return createTextBox(design, parent);
        case ControlKind::CheckBox: return createCheckBox<CheckBox>(design, parent);
        case ControlKind::ButtonCheckBox: return createCheckBox<ButtonCheckBox>(design, parent);
        case ControlKind::CommandButton: return createCommandButton(design, parent);
        case ControlKind::Image: return createImage(parent);
    }
    return nullptr;
}

}  // namespace

QWidget* createControl(const ControlDesign& design, const FontPlan& fonts, QWidget* parent)
{
    QWidget* control = createWidget(design, parent);
    control->setObjectName(toQString(design.name));
    control->setGeometry(toPixels(design.box));
    if (design.font != FontClass::None)
        control->setFont(fonts.font(design));
    if (liesBeneath(design.kind))
        control->setFocusPolicy(Qt::NoFocus);
    return control;
}

bool liesBeneath(ControlKind kind)
{
    return kind == ControlKind::Shape || kind == ControlKind::Label || kind == ControlKind::Image;
}

}  // namespace quorvane
