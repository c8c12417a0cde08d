#include "ui/magnification/ZoomStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <algorithm>
#include <cmath>

namespace quorvane {

ZoomStyle::ZoomStyle(double factor)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), factor_(factor)
{
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const
{
    // Zero and negative values are settings ("none", "no limit"), not sizes.
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    return base > 0 ? std::max(1, static_cast<int>(std::lround(base * factor_))) : base;
}

}  // namespace quorvane
