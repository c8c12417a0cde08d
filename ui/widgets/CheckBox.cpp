#include "ui/widgets/CheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quorvane {

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

int CheckBox::captionIndent(const QStyle& style)
{
    return style.pixelMetric(QStyle::PM_IndicatorWidth) +
           style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
}

void CheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();

    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

    const QRect room = rect().adjusted(captionIndent(*style()), 0, 0, 0);
    painter.drawItemText(room, kCaptionFlags, palette(), isEnabled(), caption,
                         QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics().boundingRect(room, kCaptionFlags, caption).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool CheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void CheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

}  // namespace quorvane
