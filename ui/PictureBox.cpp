#include "ui/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cwchar>

#include "ui/Colour.h"
#include "ui/SegmentClip.h"
#include "ui/SegmentRaster.h"
#include "ui/Twips.h"

namespace quorvane {
namespace {

// QImage::fill takes a vector path of Qt's that leaves the upper halves of the
// AVX registers dirty; every SSE instruction after it then runs many times
// slower (libm's sine and logarithm about 17 times) until something clears
// them, and the frame's arithmetic follows each clear. The C library's wide
// fill is as fast and cleans up after itself.
void Fill(QImage& image, const QColor& colour)
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

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    // The picture and the border cover every pixel, so nothing beneath needs
    // painting first: without this Qt fills the window's background under each
    // picture on every frame, with the same register-dirtying fill as above.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// Asking the widget for its contents rectangle is costly, and every segment
// needs it for clipping; the frame style never changes, so only the size can.
const QRect& PictureBox::Inner() const
{
    if (innerFor_ != size()) {
        innerFor_ = size();
        inner_ = contentsRect();
    }
    return inner_;
}

float PictureBox::ScaleWidth() const
{
    return static_cast<float>(PixelsToTwips(Inner().width()));
}

float PictureBox::ScaleHeight() const
{
    return static_cast<float>(PixelsToTwips(Inner().height()));
}

void PictureBox::Cls()
{
    PrepareRaster();
    Fill(image_, palette().color(backgroundRole()));
    RequestRepaint();
}

void PictureBox::SetForeColor(std::int32_t colour)
{
    raster_.SetColour(FromBgr(colour).rgb());
}

void PictureBox::Line(float x1, float y1, float x2, float y2)
{
    if (!rasterReady_ || size() != rasterFor_)
        PrepareRaster();
    // Nearly every segment lies inside, where clipping would hand it back as it
    // is; only the others (and NaN, which fails every comparison) take it.
    const auto inside = [this](float x, float y) {
        return x >= 0 && x <= clipWidth_ && y >= 0 && y <= clipHeight_;
    };
    if (inside(x1, y1) && inside(x2, y2)) {
        raster_.Draw(QLineF(x1, y1, x2, y2));
    } else {
        const auto clipped = ClipSegment(QLineF(x1, y1, x2, y2), clipWidth_, clipHeight_);
        if (!clipped)
            return;
        raster_.Draw(*clipped);
    }
    RequestRepaint();
}

// Asked once per change, not once per segment: a frame draws thousands of
// segments and each request costs a trip through the widget.
void PictureBox::RequestRepaint()
{
    if (!updatePending_) {
        updatePending_ = true;
        update();
    }
}

float PictureBox::Left() const
{
    return static_cast<float>(PixelsToTwips(x()));
}

float PictureBox::Width() const
{
    return static_cast<float>(PixelsToTwips(width()));
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    updatePending_ = false;
    QPainter painter(this);
    painter.drawImage(QRectF(Inner()), image_);
    painter.end();
    // Painting may have shared the image; the next segment takes it afresh.
    rasterReady_ = false;
    QFrame::paintEvent(event);
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

// The picture is kept at logical resolution and scaled up pixel for pixel on
// dense screens, so a trace keeps its one-pixel classic look at any scale.
void PictureBox::EnsureImage()
{
    const QSize size = Inner().size();
    if (image_.size() == size)
        return;
    image_ = QImage(size, QImage::Format_RGB32);
    Fill(image_, palette().color(backgroundRole()));
}

void PictureBox::PrepareRaster()
{
    EnsureImage();
    raster_.Target(image_);
    rasterFor_ = size();
    clipWidth_ = ScaleWidth();
    clipHeight_ = ScaleHeight();
    rasterReady_ = true;
}

}  // namespace quorvane
