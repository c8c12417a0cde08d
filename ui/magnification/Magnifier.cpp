#include "ui/magnification/Magnifier.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>

#include "ui/magnification/FontPlan.h"
#include "app/WindowDesign.h"
#include "ui/widgets/Logo.h"
#include "ui/pictures/PictureBox.h"
#include "ui/widgets/ShapeFrame.h"
#include "ui/window/Pixels.h"
#include "ui/window/Utf8.h"
#include "ui/magnification/Zoom.h"
#include "ui/magnification/ZoomStyle.h"

namespace quorvane {
namespace {

// A window manager's frame is not known before the window is shown; this
// allows for a title bar and thin borders when fitting at start-up.
constexpr QSize kDecorationAllowance(16, 40);

QSize designClient()
{
    const WindowDesign window = MainWindowDesign();
    return {TwipsToPixels(window.clientWidth), TwipsToPixels(window.clientHeight)};
}

void magnifyControl(QWidget& control, const ControlDesign& design, const FontPlan& fonts,
                    double factor, QPoint offset, QStyle* style)
{
    const QRect box = toPixels(design.box);
    control.setStyle(style);
    control.setGeometry(magnified(box, factor, offset));
    if (design.font != FontClass::None) {
        QFont font = fonts.font(design);
        font.setPointSizeF(font.pointSizeF() * factor);
        control.setFont(font);
    }
    switch (design.kind) {
        case ControlKind::PictureBox: static_cast<PictureBox&>(control).setZoom(factor, box); break;
        case ControlKind::Shape:
            static_cast<ShapeFrame&>(control).setBorderWidth(
                std::max(1, static_cast<int>(std::lround(kShapeBorderWidth * factor))));
            break;
        case ControlKind::Image: {
            // Drawn at the size it is shown, or larger and then reduced: the
            // wordmark's text does not shrink below its own design well.
            const qreal ratio = control.devicePixelRatioF();
            const QSize shown = QSize(kLogoWidth, kLogoHeight) * (ratio * factor);
            QPixmap logo = drawLogo(ratio * std::max(1.0, factor))
                               .scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            logo.setDevicePixelRatio(ratio);
            static_cast<QLabel&>(control).setPixmap(logo);
            break;
        }
        default: break;
    }
}

}  // namespace

void magnifyControls(QWidget& window, std::span<const ControlDesign> designs, const FontPlan& fonts,
                     double factor, QPoint offset, QStyle* style)
{
    for (const ControlDesign& design : designs)
        if (auto* control = window.findChild<QWidget*>(toQString(design.name), Qt::FindDirectChildrenOnly))
            magnifyControl(*control, design, fonts, factor, offset, style);
}

Magnifier::Magnifier(QWidget& window, const FontPlan& fonts) : QObject(&window), window_(window), fonts_(fonts)
{
    const auto bind = [this](QKeySequence keys, void (Magnifier::*action)()) {
        connect(new QShortcut(keys, &window_), &QShortcut::activated, this, action);
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_Equal), &Magnifier::zoomIn);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Plus), &Magnifier::zoomIn);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Minus), &Magnifier::zoomOut);
    bind(QKeySequence(Qt::Key_F11), &Magnifier::toggleFullScreen);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), &window_), &QShortcut::activated, this,
            [this] { setZoom(1.0); });
}

Magnifier::~Magnifier() = default;

void Magnifier::apply(double factor, QPoint offset)
{
    zoom_ = factor;
    offset_ = offset;
    // At 100 % the controls keep the application's style itself.
    std::unique_ptr<QStyle> style = factor == 1.0 ? nullptr : std::make_unique<ZoomStyle>(factor);
    magnifyControls(window_, ControlDesigns(), fonts_, factor, offset, style.get());
    style_ = std::move(style);
    emit zoomed(factor);
    window_.update();
}

// Steps beyond what fits the screen are not offered; full screen has its own
// factor and leaves the steps alone.
void Magnifier::setZoom(double factor)
{
    if (fullScreen_)
        return;
    apply(factor, {});
    window_.setFixedSize(magnified(QRect(QPoint(), designClient()), factor).size());
}

void Magnifier::zoomIn()
{
    const double above = stepAbove(zoom_);
    if (above <= largestFittingStep(designClient(), decoration(), available()))
        setZoom(above);
}

void Magnifier::zoomOut()
{
    setZoom(stepBelow(zoom_));
}

void Magnifier::fitToScreen()
{
    const double fitting = largestFittingStep(designClient(), decoration(), available());
    if (fitting < 1.0)
        setZoom(fitting);
}

void Magnifier::toggleFullScreen()
{
    if (!fullScreen_) {
        zoomBeforeFullScreen_ = zoom_;
        fullScreen_ = true;
        window_.setMinimumSize(0, 0);
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window_.showFullScreen();
        // Without a window manager nobody else makes the window cover the screen.
        if (const QScreen* where = window_.screen())
            window_.setGeometry(where->geometry());
    } else {
        fullScreen_ = false;
        window_.showNormal();
        setZoom(zoomBeforeFullScreen_);
    }
}

// Full screen magnifies the design as far as the screen allows, centred.
void Magnifier::windowResized()
{
    if (!fullScreen_)
        return;
    const QSize size = window_.size();
    const double factor = fullScreenFactor(designClient(), size);
    const QSize used = magnified(QRect(QPoint(), designClient()), factor).size();
    apply(factor, QPoint((size.width() - used.width()) / 2, (size.height() - used.height()) / 2));
}

QSize Magnifier::decoration() const
{
    if (window_.isVisible() && !fullScreen_)
        return window_.frameGeometry().size() - window_.size();
    return kDecorationAllowance;
}

QSize Magnifier::available() const
{
    const QScreen* where = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    return where ? where->availableGeometry().size() : designClient();
}

}  // namespace quorvane
