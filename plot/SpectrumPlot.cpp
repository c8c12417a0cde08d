#include "plot/SpectrumPlot.h"

#include <cmath>
#include <cstddef>

#include "plot/SpectrumExtremes.h"
#include "plot/SpectrumGeometry.h"

namespace quorvane {
namespace {

constexpr std::size_t kBins = kPoints;
constexpr double kSecondLineOffset = 15.0;

struct Scale {
    double top;
    double bottom;
    double range;
};

Scale ScaleOf(std::span<const double> average, bool linear)
{
    auto [top, bottom] = FindExtremes(average.first(kBins));
    if (linear) {
        top /= 0.9;
    } else {
        top /= 0.95;
        bottom = top - 40 / (2 * std::log(10.0));
    }
    return {top, bottom, top - bottom};
}

// A range of 0 (a silent linear average) or one that is not finite gives no
// usable position; the trace then lies on the bottom edge.
double PointHeight(const Scale& scale, double value, float height)
{
    if (!std::isfinite(scale.range) || scale.range == 0)
        return height;
    return (scale.top - value) / scale.range * height;
}

// A NaN position would reach the surface unclamped; it goes to the bottom edge.
double ClampToSurface(double y, float height)
{
    if (std::isnan(y))
        return height;
    if (y < 0)
        y = 0;
    if (static_cast<float>(y) > height)
        y = height;
    return y;
}

void DrawTrace(PlotSurface& picture, std::span<const double> values, const Scale& scale,
               bool heldCopy, bool twoSided)
{
    const float width = picture.InnerWidth();
    const float height = picture.InnerHeight();
    float previousX = 0;
    double previousY = height;
    for (int i = 0; i < kShownBins; ++i) {
        const float x = PointX(i, width);
        const double value = values[static_cast<std::size_t>(ShownBin(i, twoSided))];
        double y = heldCopy && !(value > 0) ? height : PointHeight(scale, value, height);
        y = ClampToSurface(y, height);
        picture.DrawLine(previousX, static_cast<float>(previousY), x, static_cast<float>(y));
        picture.DrawLine(previousX, static_cast<float>(previousY + kSecondLineOffset), x,
                    static_cast<float>(y + kSecondLineOffset));
        previousX = x;
        previousY = y;
    }
}

}  // namespace

void PlotSpectrum(PlotSurface& picture, const SpectrumTraces& traces, bool linear, SpectrumColours colours,
                  const DisplaySettings& controls)
{
    if (traces.average.size() < kUsedEntries || traces.held.size() < kUsedEntries)
        return;

    const Scale scale = ScaleOf(traces.average, linear);
    const bool twoSided = controls.SwitchState(Switch::twoSided) == CheckState::checked;
    if (traces.isHeld) {
        picture.SetColour(colours.held);
        DrawTrace(picture, traces.held, scale, true, twoSided);
    }
    if (traces.drawLive) {
        picture.SetColour(colours.live);
        DrawTrace(picture, traces.average, scale, false, twoSided);
    }
}

}  // namespace quorvane
