#include "plot/TracePlot.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "plot/RoundToInt16.h"
#include "plot/TraceGeometry.h"

namespace quorvane {
namespace {

constexpr int kSecondLineOffset = 15;

bool HoldsSample(std::span<const double> samples, std::int32_t sample)
{
    return sample >= 0 && 2 * static_cast<std::size_t>(sample) < samples.size();
}

// A sample that is not a number has no position; it is drawn on the centre line.
std::int16_t VerticalPosition(std::int16_t amplitude, double value, std::int16_t centre)
{
    if (std::isnan(value))
        return centre;
    return RoundToInt16(amplitude * value + centre);
}

}  // namespace

void PlotTrace(PlotSurface& picture, std::span<const double> samples, Colour colour,
               const DisplaySettings& controls)
{
    picture.Clear();
    DrawTrace(picture, samples, colour, controls);
}

void DrawTrace(PlotSurface& picture, std::span<const double> samples, Colour colour,
               const DisplaySettings& controls)
{
    const std::int16_t zoom = TimeBarPosition(controls, Bar::timeZoom);
    const double step = TraceStep(picture.InnerWidth(), zoom);
    const std::int16_t amplitude = RoundToInt16(picture.InnerHeight() * 0.9 / 2);
    const std::int16_t centre = RoundToInt16(std::floor(picture.InnerHeight() / 2.0f));
    const std::int16_t start = StartSample(TimeBarPosition(controls, Bar::timeScroll), zoom);

    picture.SetColour(colour);
    if (!(step >= 1.0))
        return;

    const std::int16_t points = RoundToInt16(picture.InnerWidth() / step);
    // Segment i runs from sample a = i + start to sample a + 1, so each
    // sample's position and each x are worked out once and handed on to the
    // next segment. Segments reaching outside the buffer are skipped, not
    // clipped to it, so the rest of the trace keeps its place.
    const std::int32_t first = start;
    bool haveA = HoldsSample(samples, first);
    int ya = haveA ? VerticalPosition(amplitude, samples[2 * static_cast<std::size_t>(first)], centre)
                   : 0;
    auto x1 = static_cast<float>(0 * step);
    for (std::int32_t i = 0; i < points; ++i) {
        const std::int32_t b = i + first + 1;
        const bool haveB = HoldsSample(samples, b);
        const int yb =
            haveB ? VerticalPosition(amplitude, samples[2 * static_cast<std::size_t>(b)], centre) : 0;
        const auto x2 = static_cast<float>((i + 1) * step);
        if (haveA && haveB) {
            picture.DrawLine(x1, static_cast<float>(ya), x2, static_cast<float>(yb));
            picture.DrawLine(x1, static_cast<float>(ya + kSecondLineOffset), x2,
                        static_cast<float>(yb + kSecondLineOffset));
        }
        haveA = haveB;
        ya = yb;
        x1 = x2;
    }
}

}  // namespace quorvane
