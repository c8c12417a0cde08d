// The window magnified as a display scale would magnify it: every control
// keeps its place in twips and only the pixels per twip change, so the design
// and what the pictures show stay as they are.
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>

#include "ui/Form1.h"
#include "ui/FontPlan.h"
#include "ui/FormLayout.h"
#include "ui/GuideWindow.h"
#include "ui/Logo.h"
#include "ui/PictureBox.h"
#include "ui/Readout.h"
#include "ui/ShapeFrame.h"
#include "ui/Utf8.h"
#include "ui/Zoom.h"
#include "ui/ZoomStyle.h"

namespace quorvane {
namespace {

// A window manager's frame is not known before the window is shown; this
// allows for a title bar and thin borders when fitting at start-up.
constexpr QSize kDecorationAllowance(16, 40);

QSize DesignClient()
{
    const WindowDesign window = FormWindow();
    return {TwipsToPixels(window.clientWidth), TwipsToPixels(window.clientHeight)};
}

void MagnifyControl(QWidget& control, const ControlDesign& design, const FontPlan& fonts,
                    double factor, QPoint offset, QStyle* style)
{
    const QRect box = ToPixels(design.box);
    control.setStyle(style);
    control.setGeometry(Magnified(box, factor, offset));
    if (design.font != FontClass::None) {
        QFont font = fonts.Font(design);
        font.setPointSizeF(font.pointSizeF() * factor);
        control.setFont(font);
    }
    switch (design.kind) {
        case ControlKind::PictureBox: static_cast<PictureBox&>(control).SetZoom(factor, box); break;
        case ControlKind::Shape:
            static_cast<ShapeFrame&>(control).SetBorderWidth(
                std::max(1, static_cast<int>(std::lround(kShapeBorderWidth * factor))));
            break;
        case ControlKind::Image: {
            // Drawn at the size it is shown, or larger and then reduced: the
            // wordmark's text does not shrink below its own design well.
            const qreal ratio = control.devicePixelRatioF();
            const QSize shown = QSize(kLogoWidth, kLogoHeight) * (ratio * factor);
            QPixmap logo = DrawLogo(ratio * std::max(1.0, factor))
                               .scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            logo.setDevicePixelRatio(ratio);
            static_cast<QLabel&>(control).setPixmap(logo);
            break;
        }
        default: break;
    }
}

}  // namespace

void Form1::CreateShortcuts()
{
    const auto bind = [this](QKeySequence keys, void (Form1::*action)()) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_Equal), &Form1::ZoomIn);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Plus), &Form1::ZoomIn);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Minus), &Form1::ZoomOut);
    bind(QKeySequence(Qt::Key_F11), &Form1::ToggleFullScreen);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this), &QShortcut::activated, this,
            [this] { SetZoom(1.0); });
}

void Form1::ApplyZoom(double factor, QPoint offset)
{
    zoom_ = factor;
    zoomOffset_ = offset;
    // At 100 % the controls keep the application's style itself.
    std::unique_ptr<ZoomStyle> style = factor == 1.0 ? nullptr : std::make_unique<ZoomStyle>(factor);
    for (const ControlDesign& design : FormControlsDesign())
        if (auto* control = findChild<QWidget*>(ToQString(design.name), Qt::FindDirectChildrenOnly))
            MagnifyControl(*control, design, *fonts_, factor, offset, style.get());
    zoomStyle_ = std::move(style);
    QFont readoutFont = QGuiApplication::font();
    readoutFont.setPointSizeF(readoutFont.pointSizeF() * factor);
    readout_->setFont(readoutFont);
    if (guide_)
        guide_->SetZoom(factor);
    if (cursorPicture_) {
        PlaceCursorMarker();
        ShowCursorReading(false);
    }
    update();
}

// Steps beyond what fits the screen are not offered; full screen has its own
// factor and leaves the steps alone.
void Form1::SetZoom(double factor)
{
    if (fullScreen_)
        return;
    ApplyZoom(factor, {});
    setFixedSize(Magnified(QRect(QPoint(), DesignClient()), factor).size());
}

void Form1::ZoomIn()
{
    const double above = StepAbove(zoom_);
    if (above <= LargestFittingStep(DesignClient(), Decoration(), Available()))
        SetZoom(above);
}

void Form1::ZoomOut()
{
    SetZoom(StepBelow(zoom_));
}

void Form1::FitToScreen()
{
    const double fitting = LargestFittingStep(DesignClient(), Decoration(), Available());
    if (fitting < 1.0)
        SetZoom(fitting);
}

void Form1::ToggleFullScreen()
{
    if (!fullScreen_) {
        zoomBeforeFullScreen_ = zoom_;
        fullScreen_ = true;
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
        // Without a window manager nobody else makes the window cover the screen.
        if (const QScreen* where = screen())
            setGeometry(where->geometry());
    } else {
        fullScreen_ = false;
        showNormal();
        SetZoom(zoomBeforeFullScreen_);
    }
}

// Full screen magnifies the design as far as the screen allows, centred.
void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!fullScreen_)
        return;
    const double factor = FullScreenFactor(DesignClient(), size());
    const QSize used = Magnified(QRect(QPoint(), DesignClient()), factor).size();
    ApplyZoom(factor, QPoint((width() - used.width()) / 2, (height() - used.height()) / 2));
}

QSize Form1::Decoration() const
{
    if (isVisible() && !fullScreen_)
        return frameGeometry().size() - size();
    return kDecorationAllowance;
}

QSize Form1::Available() const
{
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    return where ? where->availableGeometry().size() : DesignClient();
}

}  // namespace quorvane
