#include "ui/ScrollBar.h"

#include <QKeyEvent>

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

}  // namespace quorvane
