#include "ui/widgets/ScrollBar.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <optional>

#include "app/BarKeys.h"
#include "ui/widgets/KeyboardFocus.h"

namespace quorvane {

namespace {

std::optional<BarKey> barKeyOf(int key, bool rightToLeft)
{
    switch (key) {
        case Qt::Key_Left: return rightToLeft ? BarKey::right : BarKey::left;
        case Qt::Key_Right: return rightToLeft ? BarKey::left : BarKey::right;
        case Qt::Key_Up: return BarKey::up;
        case Qt::Key_Down: return BarKey::down;
        case Qt::Key_PageUp: return BarKey::pageUp;
        case Qt::Key_PageDown: return BarKey::pageDown;
        case Qt::Key_Home: return BarKey::home;
        case Qt::Key_End: return BarKey::end;
        default: return std::nullopt;
    }
}

}  // namespace

// The keys move the bar by the core's table, which the page's bars share.
void ScrollBar::keyPressEvent(QKeyEvent* event)
{
    const std::optional<BarKey> key = barKeyOf(event->key(), isRightToLeft());
    if (!key) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    const ScrollSettings range{minimum(), maximum(), singleStep(), pageStep()};
    setValue(PositionAfterKey(range, orientation() == Qt::Horizontal, value(), *key));
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
    keyboardFocus_ = cameFromKeyboard(*event);
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
