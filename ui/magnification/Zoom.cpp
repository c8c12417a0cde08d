#include "ui/magnification/Zoom.h"

#include <algorithm>
#include <cmath>

namespace quorvane {
namespace {

int Scaled(int pixels, double factor)
{
    return static_cast<int>(std::lround(pixels * factor));
}

}  // namespace

double LargestFittingStep(QSize client, QSize decoration, QSize available)
{
    double best = kZoomSteps.front();
    for (const double step : kZoomSteps) {
        const QSize window = QSize(Scaled(client.width(), step), Scaled(client.height(), step)) + decoration;
        if (window.width() <= available.width() && window.height() <= available.height())
            best = step;
    }
    return best;
}

double StepAbove(double current)
{
    const auto above = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), current);
    return above == kZoomSteps.end() ? kZoomSteps.back() : *above;
}

double StepBelow(double current)
{
    const auto below = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), current);
    return below == kZoomSteps.begin() ? kZoomSteps.front() : *(below - 1);
}

double FullScreenFactor(QSize client, QSize screen)
{
    return std::min(static_cast<double>(screen.width()) / client.width(),
                    static_cast<double>(screen.height()) / client.height());
}

QRect Magnified(const QRect& design, double factor, QPoint offset)
{
    const int left = Scaled(design.left(), factor);
    const int top = Scaled(design.top(), factor);
    const int right = Scaled(design.left() + design.width(), factor);
    const int bottom = Scaled(design.top() + design.height(), factor);
    return QRect(left, top, right - left, bottom - top).translated(offset);
}

}  // namespace quorvane
