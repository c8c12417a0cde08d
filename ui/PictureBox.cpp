#include "ui/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/Colour.h"
#include "ui/SegmentClip.h"
#include "ui/Twips.h"

namespace quorvane {
namespace {

// A trace is 8192 samples at most; beyond this a batch is drawn early rather
// than the buffer grown.
constexpr std::size_t kBatchCapacity = 16384;

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent), foreColour_(Qt::black)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    pending_.reserve(kBatchCapacity);
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
    pending_.clear();
    EnsureImage();
    image_.fill(palette().color(backgroundRole()));
    update();
}

void PictureBox::SetForeColor(std::int32_t colour)
{
    const QColor next = FromBgr(colour);
    if (next != foreColour_)
        Flush();
    foreColour_ = next;
}

void PictureBox::Line(float x1, float y1, float x2, float y2)
{
    const auto clipped = ClipSegment(QLineF(x1, y1, x2, y2), ScaleWidth(), ScaleHeight());
    if (!clipped)
        return;
    if (pending_.size() == kBatchCapacity)
        Flush();
    if (pending_.empty())
        update();
    pending_.push_back(*clipped);
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
    Flush();
    QPainter painter(this);
    painter.drawImage(QRectF(Inner()), image_);
    painter.end();
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
    image_.fill(palette().color(backgroundRole()));
}

void PictureBox::Flush()
{
    EnsureImage();
    if (pending_.empty())
        return;
    QPainter painter(&image_);
    painter.setPen(QPen(foreColour_, 0));
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    painter.drawLines(pending_.data(), static_cast<int>(pending_.size()));
    pending_.clear();
}

}  // namespace quorvane
