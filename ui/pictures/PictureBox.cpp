#include "ui/pictures/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <cwchar>

#include "app/PictureCursor.h"
#include "base/Twips.h"
#include "plot/SegmentClip.h"
#include "plot/SegmentRaster.h"
#include "ui/pictures/ShrinkImage.h"
#include "ui/widgets/KeyboardFocus.h"
#include "ui/window/Colour.h"

namespace quorvane {
namespace {

// QImage::fill takes a vector path of Qt's that leaves the upper halves of the
// AVX registers dirty; every SSE instruction after it then runs many times
// slower (libm's sine and logarithm about 17 times) until something clears
// them, and the frame's arithmetic follows each clear. The C library's wide
// fill is as fast and cleans up after itself.
void fill(QImage& image, const QColor& colour)
{
    const quint32 pixel = 0xFF000000u | colour.rgba();
    const qsizetype count = image.bytesPerLine() / static_cast<qsizetype>(sizeof(quint32)) * image.height();
    quint32* const pixels = reinterpret_cast<quint32*>(image.bits());
    if constexpr (sizeof(wchar_t) == sizeof(quint32))
        std::wmemset(reinterpret_cast<wchar_t*>(pixels), static_cast<wchar_t>(pixel),
                     static_cast<std::size_t>(count));
    else
        std::fill_n(pixels, count, pixel);
}

// The image's pixels for the rasteriser, detaching the image first if it is shared.
PixelBuffer pixelsOf(QImage& image)
{
    return {reinterpret_cast<std::uint32_t*>(image.bits()),
            image.bytesPerLine() / static_cast<qsizetype>(sizeof(quint32)), image.width(), image.height()};
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    // The picture and the border cover every pixel, so nothing beneath needs
    // painting first: without this Qt fills the window's background under each
    // picture on every frame, with the same register-dirtying fill as above.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PictureBox::setZoom(double factor, const QRect& design)
{
    zoom_ = factor;
    design_ = design;
    update();
}

// The box as it is at 100 %, in pixels of the window's design.
QRect PictureBox::logical() const
{
    return design_.isValid() ? design_ : geometry();
}

// Every segment needs the inner rectangle for clipping; the frame style never
// changes, so it is worked out again only when the design size does.
const QRect& PictureBox::inner() const
{
    const QSize size = logical().size();
    if (innerFor_ != size) {
        innerFor_ = size;
        const int border = frameWidth();
        inner_ = QRect(QPoint(), size).adjusted(border, border, -border, -border);
    }
    return inner_;
}

float PictureBox::InnerWidth() const
{
    return static_cast<float>(PixelsToTwips(inner().width()));
}

float PictureBox::InnerHeight() const
{
    return static_cast<float>(PixelsToTwips(inner().height()));
}

void PictureBox::Clear()
{
    prepareRaster();
    fill(image_, palette().color(backgroundRole()));
    requestRepaint();
}

void PictureBox::SetColour(std::int32_t colour)
{
    raster_.SetColour(fromBgr(colour).rgb());
}

void PictureBox::DrawLine(float x1, float y1, float x2, float y2)
{
    if (!rasterReady_ || logical().size() != rasterFor_)
        prepareRaster();
    // Nearly every segment lies inside, where clipping would hand it back as it
    // is; only the others (and NaN, which fails every comparison) take it.
    const auto inside = [this](float x, float y) {
        return x >= 0 && x <= clipWidth_ && y >= 0 && y <= clipHeight_;
    };
    if (inside(x1, y1) && inside(x2, y2)) {
        raster_.Draw(Segment{x1, y1, x2, y2});
    } else {
        const auto clipped = ClipSegment(Segment{x1, y1, x2, y2}, clipWidth_, clipHeight_);
        if (!clipped)
            return;
        raster_.Draw(*clipped);
    }
    requestRepaint();
}

// Asked once per change, not once per segment: a frame draws thousands of
// segments and each request costs a trip through the widget.
void PictureBox::requestRepaint()
{
    if (!updatePending_) {
        updatePending_ = true;
        QMetaObject::invokeMethod(this, &PictureBox::showIfChanged, Qt::QueuedConnection);
    }
}

// Runs once the frame is drawn. A frame that draws what the last one drew
// leaves the screen alone: with a steady message most frames repeat the last,
// and handing unchanged pixels to the display again, the more of them the
// larger the window, is the dearest part of such a frame.
void PictureBox::showIfChanged()
{
    updatePending_ = false;
    const auto bytes = static_cast<std::size_t>(image_.sizeInBytes());
    if (shown_.size() == image_.size() && std::memcmp(shown_.constBits(), image_.constBits(), bytes) == 0)
        return;
    if (shown_.size() != image_.size())
        shown_ = QImage(image_.size(), image_.format());
    std::memcpy(shown_.bits(), image_.constBits(), bytes);
    update();
}

float PictureBox::OuterLeft() const
{
    return static_cast<float>(PixelsToTwips(logical().x()));
}

float PictureBox::OuterWidth() const
{
    return static_cast<float>(PixelsToTwips(logical().width()));
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (zoom_ == 1.0) {
        painter.drawImage(QRectF(inner()), image_);
        painter.end();
        QFrame::paintEvent(event);
        if (keyboardFocus_) {
            painter.begin(this);
            drawFocusRing(painter, rect());
        }
    } else {
        paintMagnified(painter);
    }
    // Painting may have shared the image; the next segment takes it afresh.
    rasterReady_ = false;
}

// The picture and its border composed at their design size, then every pixel
// enlarged alike, or reduced keeping every line: no smoothing, so traces stay
// crisp at any factor.
void PictureBox::paintMagnified(QPainter& painter)
{
    const QRect whole(QPoint(), logical().size());
    if (look_.size() != whole.size())
        look_ = QImage(whole.size(), QImage::Format_RGB32);
    QPainter look(&look_);
    look.drawImage(QRectF(inner()), image_);
    QStyleOptionFrame frame;
    initStyleOption(&frame);
    frame.rect = whole;
    style()->drawControl(QStyle::CE_ShapedFrame, &frame, &look, this);
    if (keyboardFocus_)
        drawFocusRing(look, whole);
    look.end();
    const qreal ratio = devicePixelRatioF();
    const QSize device = size() * ratio;
    if (device.width() < look_.width() || device.height() < look_.height()) {
        if (shrunk_.size() != device)
            shrunk_ = QImage(device, QImage::Format_RGB32);
        shrinkKeepingLines(look_, shrunk_, palette().color(backgroundRole()).rgb());
        shrunk_.setDevicePixelRatio(ratio);
        painter.drawImage(QPointF(), shrunk_);
    } else {
        painter.drawImage(QRectF(rect()), look_);
    }
}

// Keyboard focus turns the two-pixel border into a ring of the highlight
// colour; the picture inside is untouched.
void PictureBox::drawFocusRing(QPainter& painter, const QRect& outer) const
{
    const int border = frameWidth();
    const QColor ring = palette().color(QPalette::Highlight);
    const QRect inner = outer.adjusted(border, border, -border, -border);
    painter.fillRect(QRect(outer.topLeft(), QSize(outer.width(), border)), ring);
    painter.fillRect(QRect(QPoint(outer.left(), inner.bottom() + 1), QSize(outer.width(), border)), ring);
    painter.fillRect(QRect(QPoint(outer.left(), inner.top()), QSize(border, inner.height())), ring);
    painter.fillRect(QRect(QPoint(inner.right() + 1, inner.top()), QSize(border, inner.height())), ring);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF inDesign = event->position() / zoom_ - QPointF(inner().topLeft());
    emit pointerMoved(inDesign * kTwipsPerPixel, event->globalPosition().toPoint());
    QFrame::mouseMoveEvent(event);
}

void PictureBox::leaveEvent(QEvent* event)
{
    emit pointerLeft();
    QFrame::leaveEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent* event)
{
    keyboardFocus_ = cameFromKeyboard(*event);
    if (keyboardFocus_)
        update();
    QFrame::focusInEvent(event);
}

void PictureBox::focusOutEvent(QFocusEvent* event)
{
    if (keyboardFocus_) {
        keyboardFocus_ = false;
        update();
    }
    hideCursor();
    QFrame::focusOutEvent(event);
}

namespace {

// The keys that move the keyboard cursor; where they take it is the app's.
std::optional<CursorKey> cursorKeyOf(int key)
{
    switch (key) {
        case Qt::Key_Left: return CursorKey::left;
        case Qt::Key_Right: return CursorKey::right;
        case Qt::Key_PageUp: return CursorKey::pageUp;
        case Qt::Key_PageDown: return CursorKey::pageDown;
        case Qt::Key_Home: return CursorKey::home;
        case Qt::Key_End: return CursorKey::end;
        default: return std::nullopt;
    }
}

}  // namespace

// Escape puts the cursor away before a window's own Escape (the receiver's
// closes it) takes the key.
bool PictureBox::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && cursor_ &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return QFrame::event(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_Escape && cursor_) {
        hideCursor();
        return;
    }
    if (plain && (event->key() == Qt::Key_N || event->key() == Qt::Key_P)) {
        emit peakWanted(event->key() == Qt::Key_N);
        return;
    }
    if (plain && event->key() == Qt::Key_D) {
        emit descriptionWanted();
        return;
    }
    const std::optional<CursorKey> key = plain ? cursorKeyOf(event->key()) : std::nullopt;
    if (!key) {
        QFrame::keyPressEvent(event);
        return;
    }
    placeCursor(CursorAfter(cursor_, *key, InnerWidth()));
}

void PictureBox::placeCursor(float twips)
{
    cursor_ = twips;
    emit cursorMoved(twips);
}

void PictureBox::hideCursor()
{
    if (!cursor_)
        return;
    cursor_.reset();
    emit cursorHidden();
}

QRect PictureBox::markerRect(float twips) const
{
    const double left = (inner().left() + twips / kTwipsPerPixel) * zoom_;
    return QRect(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(inner().top() * zoom_)),
                 std::max(1, static_cast<int>(std::lround(zoom_))),
                 static_cast<int>(std::lround(inner().height() * zoom_)));
}

// The picture is kept at logical resolution and scaled up pixel for pixel on
// dense screens, so a trace keeps its one-pixel classic look at any scale.
void PictureBox::ensureImage()
{
    const QSize size = inner().size();
    if (image_.size() == size)
        return;
    image_ = QImage(size, QImage::Format_RGB32);
    fill(image_, palette().color(backgroundRole()));
}

void PictureBox::prepareRaster()
{
    ensureImage();
    raster_.Target(pixelsOf(image_));
    rasterFor_ = logical().size();
    clipWidth_ = InnerWidth();
    clipHeight_ = InnerHeight();
    rasterReady_ = true;
}

}  // namespace quorvane
