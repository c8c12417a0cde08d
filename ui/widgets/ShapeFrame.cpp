#include "ui/widgets/ShapeFrame.h"

#include <QPainter>

namespace quorvane {

ShapeFrame::ShapeFrame(QColor colour, int borderWidth, QWidget* parent)
    : QWidget(parent), colour_(colour), borderWidth_(borderWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeFrame::setBorderWidth(int borderWidth)
{
    borderWidth_ = borderWidth;
    update();
}

void ShapeFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect whole = rect();
    const int w = borderWidth_;
    painter.fillRect(whole.x(), whole.y(), whole.width(), w, colour_);
    painter.fillRect(whole.x(), whole.bottom() - w + 1, whole.width(), w, colour_);
    painter.fillRect(whole.x(), whole.y(), w, whole.height(), colour_);
    painter.fillRect(whole.right() - w + 1, whole.y(), w, whole.height(), colour_);
}

}  // namespace quorvane
