#include "plot/TracePlot.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "plot/RoundToInt16.h"
#include "plot/TraceGeometry.h"

namespace quorvane {
namespace {

constexpr int kSecondLineOffset = 15;

bool HoldsSample(std::span<const double> dData, std::int32_t sample)
{
    return sample >= 0 && 2 * static_cast<std::size_t>(sample) < dData.size();
}

// A sample that is not a number has no position; it is drawn on the centre line.
std::int16_t VerticalPosition(std::int16_t amplitude, double value, std::int16_t centre)
{
    if (std::isnan(value))
        return centre;
    return RoundToInt16(amplitude * value + centre);
}

}  // namespace

void plotComponent(PlotSurface& picPic, std::span<const double> dData, std::int16_t iOffset,
                   std::int32_t Colour, const PlotControls& controls)
{
    const std::int16_t zoom = controls.ScrollValue(ScrollId::hscDataZoom);
    const double step = TraceStep(picPic.ScaleWidth(), zoom);
    const std::int16_t amplitude = RoundToInt16(picPic.ScaleHeight() * 0.9 / 2);
    const std::int16_t centre = RoundToInt16(std::floor(picPic.ScaleHeight() / 2.0f));
    const std::int16_t start = StartSample(controls.ScrollValue(ScrollId::hscDataScroll), zoom);

    picPic.Cls();
    picPic.SetForeColor(Colour);
    if (!(step >= 1.0))
        return;

    const std::int16_t points = RoundToInt16(picPic.ScaleWidth() / step);
    // Segment i runs from sample a = i + start + iOffset to sample a + 1, so each
    // sample's position and each x are worked out once and handed on to the
    // next segment. Segments reaching outside the buffer are skipped, not
    // clipped to it, so the rest of the trace keeps its place.
    const std::int32_t first = start + iOffset;
    bool haveA = HoldsSample(dData, first);
    int ya = haveA ? VerticalPosition(amplitude, dData[2 * static_cast<std::size_t>(first)], centre)
                   : 0;
    auto x1 = static_cast<float>(0 * step);
    for (std::int32_t i = 0; i < points; ++i) {
        const std::int32_t b = i + first + 1;
        const bool haveB = HoldsSample(dData, b);
        const int yb =
            haveB ? VerticalPosition(amplitude, dData[2 * static_cast<std::size_t>(b)], centre) : 0;
        const auto x2 = static_cast<float>((i + 1) * step);
        if (haveA && haveB) {
            picPic.Line(x1, static_cast<float>(ya), x2, static_cast<float>(yb));
            picPic.Line(x1, static_cast<float>(ya + kSecondLineOffset), x2,
                        static_cast<float>(yb + kSecondLineOffset));
        }
        haveA = haveB;
        ya = yb;
        x1 = x2;
    }
}

}  // namespace quorvane
