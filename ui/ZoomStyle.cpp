#include "ui/ZoomStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <cmath>

namespace quorvane {

ZoomStyle::ZoomStyle(double factor)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), factor_(factor)
{
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    return static_cast<int>(std::lround(base * factor_));
}

}  // namespace quorvane
