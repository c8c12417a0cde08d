#include "plot/SpectrumPlot.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "plot/SpectrumExtremes.h"
#include "plot/SpectrumGeometry.h"
#include "plot/TraceColours.h"

namespace quorvane {
namespace {

constexpr std::size_t kBins = kPoints;
constexpr double kSilentFirst = -10000.0;
constexpr double kSilentLater = -1000.0;
constexpr double kSecondLineOffset = 15.0;

struct Scale {
    double top;
    double bottom;
    double range;
};

// The count is a 16-bit integer, held at its top instead of overflowing:
// after about 55 minutes without a restart the newest spectrum keeps entering
// with weight 1/32767. A count below 0 is a restart like 0.
constexpr std::int32_t kMostSpectraCounted = std::numeric_limits<std::int16_t>::max();

std::int16_t NextCount(std::int16_t averageCount)
{
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(averageCount + 1, 1, kMostSpectraCounted));
}

// The value a bin brings into the average. NaN power is not above 0, so in
// log mode it takes the silent value too.
double BinValue(double power, std::size_t k, std::int16_t n, bool linear, LogMemo* logs)
{
    if (linear)
        return power;
    if (!(power > 0))
        return n == 1 ? kSilentFirst : kSilentLater;
    return logs ? logs->Log(k, power) : std::log(power);
}

// Written as the plain per-bin average it is, and left to the compiler as one:
// taking several bins at a time would pick a different operand's NaN when both
// are one, and the average must keep the very bits of the plain loop.
double Averaged(double stored, double value, std::int16_t n)
{
    if (n == 1)
        return value;
    return ((n - 1) * stored + value) / n;
}

Scale AverageIn(std::span<const double> transform, std::span<double> average,
                std::int16_t n, bool linear, LogMemo* logs)
{
    for (std::size_t k = 0; k < kBins; ++k) {
        const double re = transform[2 * k];
        const double im = transform[2 * k + 1];
        const double power = im * im + re * re;
        average[k] = Averaged(average[k], BinValue(power, k, n, linear, logs), n);
    }
    auto [top, bottom] = FindExtremes(average.first(kBins));
    if (linear) {
        top /= 0.9;
    } else {
        top /= 0.95;
        bottom = top - 40 / (2 * std::log(10.0));
    }
    return {top, bottom, top - bottom};
}

void UpdateHeldCopy(std::span<const double> average, std::span<double> held, bool& isHeld,
                    CheckState memory)
{
    if (memory == CheckState::unchecked)
        isHeld = false;
    if (!isHeld && memory == CheckState::checked) {
        isHeld = true;
        std::copy_n(average.begin(), kUsedEntries, held.begin());
    }
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

void PlotSpectrum(std::span<const double> transform, std::span<double> average,
                  std::span<double> held, std::int16_t& averageCount, bool& isHeld,
                  PlotSurface& picture, std::int32_t colour, bool drawLive,
                  const DisplaySettings& controls, LogMemo* logs)
{
    const bool linear = controls.SwitchState(Switch::linear) == CheckState::checked;
    picture.Clear();
    if (transform.size() < kUsedEntries || average.size() < kUsedEntries ||
        held.size() < kUsedEntries)
        return;

    averageCount = NextCount(averageCount);
    const Scale scale = AverageIn(transform, average, averageCount, linear, logs);
    UpdateHeldCopy(average, held, isHeld, controls.SwitchState(Switch::memory));

    const bool twoSided = controls.SwitchState(Switch::twoSided) == CheckState::checked;
    if (isHeld) {
        picture.SetColour(kMemoryColour);
        DrawTrace(picture, held, scale, true, twoSided);
    }
    if (drawLive) {
        picture.SetColour(colour);
        DrawTrace(picture, average, scale, false, twoSided);
    }
}

}  // namespace quorvane
