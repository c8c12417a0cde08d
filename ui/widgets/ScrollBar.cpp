#include "ui/widgets/ScrollBar.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "ui/widgets/KeyboardFocus.h"

namespace quorvane {

void ScrollBar::keyPressEvent(QKeyEvent* event)
{
    const bool left = event->key() == Qt::Key_Left;
    if (orientation() != Qt::Horizontal || (!left && event->key() != Qt::Key_Right)) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    const bool towardsMinimum = left != isRightToLeft();
    triggerAction(towardsMinimum ? SliderSingleStepSub : SliderSingleStepAdd);
    event->accept();
}

void ScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!keyboardFocus_)
        return;
    QPainter painter(this);
    const int width = std::max(2, height() / 12);
    painter.setPen(QPen(palette().color(QPalette::Highlight), width, Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    const int half = width / 2;
    painter.drawRect(rect().adjusted(half, half, -(width - half), -(width - half)));
}

void ScrollBar::focusInEvent(QFocusEvent* event)
{
    keyboardFocus_ = CameFromKeyboard(*event);
    update();
    QScrollBar::focusInEvent(event);
}

void ScrollBar::focusOutEvent(QFocusEvent* event)
{
    keyboardFocus_ = false;
    update();
    QScrollBar::focusOutEvent(event);
}

}  // namespace quorvane
