#include "plot/PictureReading.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "base/Units.h"
#include "plot/RoundToInt16.h"
#include "plot/SpectrumGeometry.h"
#include "plot/TraceGeometry.h"

namespace quorvane {
namespace {

double Highest(std::span<const double> values)
{
    double highest = -HUGE_VAL;
    for (std::size_t k = 0; k < static_cast<std::size_t>(kPoints) && k < values.size(); ++k)
        highest = std::max(highest, values[k]);
    return highest;
}

// The point drawn nearest to x, and the first and last within snap of it.
struct Candidates {
    int nearest;
    int first;
    int last;
};

Candidates PointsNear(float x, float snap, float width)
{
    const double perPoint = static_cast<double>(width) / kShownBins;
    const auto clampPoint = [](double i) {
        return static_cast<int>(std::clamp(i, 0.0, static_cast<double>(kShownBins - 1)));
    };
    if (!(perPoint > 0))
        return {0, 0, 0};
    return {clampPoint(std::round(x / perPoint)), clampPoint(std::ceil((x - snap) / perPoint)),
            clampPoint(std::floor((x + snap) / perPoint))};
}

// How high a bin is drawn, on the scale both traces share: the higher of the
// live average and the held copy where each is drawn. A held value not above
// 0 is drawn on the bottom edge, as the spectrum plot draws it.
double DrawnHeight(const SpectrumView& view, int bin)
{
    const auto k = static_cast<std::size_t>(bin);
    double height = -HUGE_VAL;
    if (view.liveDrawn)
        height = view.average[k];
    if (view.heldDrawn && view.held[k] > 0)
        height = std::max(height, view.held[k]);
    return height;
}

}  // namespace

double SampleSeconds(std::int32_t sample)
{
    return sample / kSamplesPerSecond;
}

double BinHertz(int bin)
{
    return bin * kSamplesPerSecond / kPoints;
}

std::optional<TraceReading> ReadTrace(std::span<const double> samples, float x, float width,
                                      std::int16_t zoom, std::int16_t scroll)
{
    const double step = TraceStep(width, zoom);
    if (!(step >= 1.0) || !(x >= 0))
        return std::nullopt;
    const std::int32_t points = RoundToInt16(width / step);
    const auto i = static_cast<std::int32_t>(std::lround(x / step));
    const std::int32_t sample = StartSample(scroll, zoom) + i;
    if (i > points || sample < 0 || 2 * static_cast<std::size_t>(sample) >= samples.size())
        return std::nullopt;
    return TraceReading{sample, SampleSeconds(sample), samples[2 * static_cast<std::size_t>(sample)]};
}

std::optional<double> LevelDb(double value, double highest, bool linear)
{
    if (linear) {
        if (!(highest > 0))
            return std::nullopt;
        return 10.0 * std::log10(value / highest);
    }
    if (!std::isfinite(highest))
        return std::nullopt;
    return (value - highest) * 10.0 / std::numbers::ln10;
}

SpectrumReading ReadSpectrum(const SpectrumView& view, float x, float snap)
{
    return ReadSpectrum(view, x, snap, HighestLive(view));
}

double HighestLive(const SpectrumView& view)
{
    return Highest(view.average);
}

SpectrumReading ReadSpectrum(const SpectrumView& view, float x, float snap, double highest)
{
    const Candidates near = PointsNear(x, snap, view.width);
    int point = near.nearest;
    for (int i = near.first; i <= near.last; ++i)
        if (DrawnHeight(view, ShownBin(i, view.twoSided)) >
            DrawnHeight(view, ShownBin(point, view.twoSided)))
            point = i;
    const int bin = ShownBin(point, view.twoSided);
    const int signedBin = view.twoSided && bin >= kPoints / 2 ? bin - kPoints : bin;
    SpectrumReading reading{bin, BinHertz(signedBin), std::nullopt, std::nullopt};
    const auto at = static_cast<std::size_t>(bin);
    if (view.liveDrawn)
        reading.liveDb = LevelDb(view.average[at], highest, view.linear);
    if (view.heldDrawn)
        reading.memoryDb = LevelDb(view.held[at], highest, view.linear);
    return reading;
}

}  // namespace quorvane
