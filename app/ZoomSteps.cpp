#include "app/ZoomSteps.h"

#include <cmath>

namespace quorvane {

double LargestFittingStep(int width, int height, int room, int roomHeight)
{
    double best = kZoomSteps.front();
    for (const double step : kZoomSteps)
        if (std::lround(width * step) <= room && std::lround(height * step) <= roomHeight)
            best = step;
    return best;
}

std::optional<double> StepNamed(double value)
{
    for (const double step : kZoomSteps)
        if (step == value || std::lround(step * 100) == value)
            return step;
    return std::nullopt;
}

}  // namespace quorvane
