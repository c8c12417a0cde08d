#include "ui/widgets/ButtonCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quorvane {

void ButtonCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = text();
    const bool pressed = isDown() || checkState() != Qt::Unchecked;
    option.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (checkState() == Qt::Checked)
        option.state |= QStyle::State_On;
    painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace quorvane
