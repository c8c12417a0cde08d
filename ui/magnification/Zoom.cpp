#include "ui/magnification/Zoom.h"

#include <algorithm>
#include <cmath>

namespace quorvane {
namespace {

int scaled(int pixels, double factor)
{
    return static_cast<int>(std::lround(pixels * factor));
}

}  // namespace

double largestFittingStep(QSize client, QSize decoration, QSize available)
{
    const QSize room = available - decoration;
    return LargestFittingStep(client.width(), client.height(), room.width(), room.height());
}

double stepAbove(double current)
{
    const auto above = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), current);
    return above == kZoomSteps.end() ? kZoomSteps.back() : *above;
}

double stepBelow(double current)
{
    const auto below = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), current);
    return below == kZoomSteps.begin() ? kZoomSteps.front() : *(below - 1);
}

double fullScreenFactor(QSize client, QSize screen)
{
    return std::min(static_cast<double>(screen.width()) / client.width(),
                    static_cast<double>(screen.height()) / client.height());
}

QRect magnified(const QRect& design, double factor, QPoint offset)
{
    const int left = scaled(design.left(), factor);
    const int top = scaled(design.top(), factor);
    const int right = scaled(design.left() + design.width(), factor);
    const int bottom = scaled(design.top() + design.height(), factor);
    return QRect(left, top, right - left, bottom - top).translated(offset);
}

}  // namespace quorvane
