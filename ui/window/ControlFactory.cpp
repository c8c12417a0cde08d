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

QWidget* CreateScrollBar(const ControlDesign& design, Qt::Orientation orientation, QWidget* parent)
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

QWidget* CreateLabel(const ControlDesign& design, QWidget* parent)
{
    auto* label = new QLabel(ShownText(design.text), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

QWidget* CreateComboBox(QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->setFocusPolicy(Qt::StrongFocus);
    return list;
}

QWidget* CreateTextBox(const ControlDesign& design, QWidget* parent)
{
    // Nothing reads what a user would type, so typing is not offered.
    auto* box = new QLineEdit(ToQString(design.text), parent);
    box->setReadOnly(true);
    return box;
}

template <typename Box>
QWidget* CreateCheckBox(const ControlDesign& design, QWidget* parent)
{
    auto* box = new Box(parent);
    box->setText(ShownText(design.text));
    box->setCheckState(design.checked ? Qt::Checked : Qt::Unchecked);
    return box;
}

QWidget* CreateCommandButton(const ControlDesign& design, QWidget* parent)
{
    auto* button = new QPushButton(ShownText(design.text), parent);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QWidget* CreateImage(QWidget* parent)
{
    auto* image = new QLabel(parent);
    image->setPixmap(DrawLogo(image->devicePixelRatioF()));
    return image;
}

QWidget* CreateWidget(const ControlDesign& design, QWidget* parent)
{
    switch (design.kind) {
        case ControlKind::PictureBox: return new PictureBox(parent);
        case ControlKind::HScrollBar: return CreateScrollBar(design, Qt::Horizontal, parent);
        case ControlKind::VScrollBar: return CreateScrollBar(design, Qt::Vertical, parent);
        case ControlKind::Shape:
            return new ShapeFrame(FromBgr(design.colour), kShapeBorderWidth, parent);
        case ControlKind::Label: return CreateLabel(design, parent);
        case ControlKind::ComboBox: return CreateComboBox(parent);
        case ControlKind::TextBox: return CreateTextBox(design, parent);
        case ControlKind::CheckBox: return CreateCheckBox<CheckBox>(design, parent);
        case ControlKind::ButtonCheckBox: return CreateCheckBox<ButtonCheckBox>(design, parent);
        case ControlKind::CommandButton: return CreateCommandButton(design, parent);
        case ControlKind::Image: return CreateImage(parent);
    }
    return nullptr;
}

}  // namespace

QWidget* CreateControl(const ControlDesign& design, const FontPlan& fonts, QWidget* parent)
{
    QWidget* control = CreateWidget(design, parent);
    control->setObjectName(ToQString(design.name));
    control->setGeometry(ToPixels(design.box));
    if (design.font != FontClass::None)
        control->setFont(fonts.Font(design));
    if (LiesBeneath(design.kind))
        control->setFocusPolicy(Qt::NoFocus);
    return control;
}

bool LiesBeneath(ControlKind kind)
{
    return kind == ControlKind::Shape || kind == ControlKind::Label || kind == ControlKind::Image;
}

}  // namespace quorvane
