#include "plot/SpectrumPlot.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <limits>

namespace quorvane {
namespace {

constexpr std::size_t kBins = kPoints;
constexpr int kShownBins = kPoints / 4;
constexpr int kTwoSidedShift = kShownBins / 2;
constexpr double kSilentFirst = -10000.0;
constexpr double kSilentLater = -1000.0;
constexpr double kSecondLineOffset = 15.0;

struct Scale {
    double top;
    double bottom;
    double range;
};

// Held at the 16-bit top instead of overflowing: after about 55 minutes
// without a restart the newest spectrum keeps entering with weight 1/32767.
// A count below 0 is a restart like 0.
std::int16_t NextCount(std::int16_t iSpectrums)
{
    return static_cast<std::int16_t>(
        std::clamp<std::int32_t>(iSpectrums + 1, 1, std::numeric_limits<std::int16_t>::max()));
}

// The logarithms of the last powers of each of the two spectra, kept between
// calls: with a sine or square message and nothing changed, a frame brings the
// very powers of the frame before, and each bin whose power has the same bits
// takes its logarithm from here instead of from std::log (8192 calls a
// spectrum). A slot serves whichever spectrum asks; a wrong guess of owner
// only costs the recomputation, never a wrong value, since each logarithm is
// looked up by the power it was taken of. Not for use from two threads.
class LogMemo {
public:
    static LogMemo& For(const double* spectrum)
    {
        for (LogMemo& slot : slots_)
            if (slot.owner_ == spectrum)
                return slot;
        LogMemo& slot = slots_[nextSlot_];
        nextSlot_ = (nextSlot_ + 1) % slots_.size();
        slot.owner_ = spectrum;
        return slot;
    }

    // ln power, for a power above 0.
    double Log(std::size_t k, double power)
    {
        const auto bits = std::bit_cast<std::uint64_t>(power);
        if (powers_[k] != bits) {
            logs_[k] = std::log(power);
            powers_[k] = bits;
        }
        return logs_[k];
    }

private:
    static std::array<LogMemo, 2> slots_;
    static std::size_t nextSlot_;

    // Zero bits never match, since only powers above 0 are looked up.
    std::array<std::uint64_t, kBins> powers_{};
    std::array<double, kBins> logs_{};
    const double* owner_ = nullptr;
};

std::array<LogMemo, 2> LogMemo::slots_{};
std::size_t LogMemo::nextSlot_ = 0;

// The value a bin brings into the average. NaN power is not above 0, so in
// log mode it takes the silent value too.
double BinValue(double power, std::size_t k, std::int16_t n, LogMemo* logs)
{
    if (!logs)
        return power;
    return power > 0 ? logs->Log(k, power) : (n == 1 ? kSilentFirst : kSilentLater);
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

// The strict comparisons of one pass over the bins keep the first of equal
// extremes. Four interleaved passes find the same values faster; they can only
// disagree when the extreme is a zero, +0 against -0, and then the single pass
// settles it.
Scale Extremes(std::span<const double> values)
{
    double bottoms[4] = {1e12, 1e12, 1e12, 1e12};
    double tops[4] = {-1e12, -1e12, -1e12, -1e12};
    for (std::size_t k = 0; k < kBins; k += 4) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            const double v = values[k + lane];
            bottoms[lane] = v < bottoms[lane] ? v : bottoms[lane];
            tops[lane] = v > tops[lane] ? v : tops[lane];
        }
    }
    double bottom = bottoms[0];
    double top = tops[0];
    for (std::size_t lane = 1; lane < 4; ++lane) {
        bottom = bottoms[lane] < bottom ? bottoms[lane] : bottom;
        top = tops[lane] > top ? tops[lane] : top;
    }
    if (bottom == 0 || top == 0) {
        bottom = 1e12;
        top = -1e12;
        for (const double v : values) {
            bottom = std::min(bottom, v);
            top = std::max(top, v);
        }
    }
    return {top, bottom, 0.0};
}

Scale AverageIn(std::span<const double> dFreqData, std::span<double> dFreqSpectrum,
                std::int16_t n, bool linear)
{
    LogMemo* const logs = linear ? nullptr : &LogMemo::For(dFreqSpectrum.data());
    for (std::size_t k = 0; k < kBins; ++k) {
        const double re = dFreqData[2 * k];
        const double im = dFreqData[2 * k + 1];
        const double power = im * im + re * re;
        dFreqSpectrum[k] = Averaged(dFreqSpectrum[k], BinValue(power, k, n, logs), n);
    }
    Scale scale = Extremes(dFreqSpectrum.first(kBins));
    double& top = scale.top;
    double& bottom = scale.bottom;
    if (linear) {
        top /= 0.9;
    } else {
        top /= 0.95;
        bottom = top - 40 / (2 * std::log(10.0));
    }
    return {top, bottom, top - bottom};
}

void UpdateHeldCopy(std::span<const double> dFreqSpectrum, std::span<double> dFreqMem,
                    Bool16& bMemory, int memoryCheck)
{
    if (memoryCheck == kUnchecked)
        bMemory = kFalse;
    if (bMemory == kFalse && memoryCheck == kChecked) {
        bMemory = kTrue;
        std::copy_n(dFreqSpectrum.begin(), kUsedEntries, dFreqMem.begin());
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

void DrawTrace(PlotSurface& picPic, std::span<const double> values, const Scale& scale,
               bool heldCopy, bool twoSided)
{
    const float width = picPic.ScaleWidth();
    const float height = picPic.ScaleHeight();
    float previousX = 0;
    double previousY = height;
    for (int i = 0; i < kShownBins; ++i) {
        int j = twoSided ? i - kTwoSidedShift : i;
        if (j < 0)
            j += kPoints;
        const float x = static_cast<float>(i) * width / 8192 * 4;
        const double value = values[static_cast<std::size_t>(j)];
        double y = heldCopy && !(value > 0) ? height : PointHeight(scale, value, height);
        y = ClampToSurface(y, height);
        picPic.Line(previousX, static_cast<float>(previousY), x, static_cast<float>(y));
        picPic.Line(previousX, static_cast<float>(previousY + kSecondLineOffset), x,
                    static_cast<float>(y + kSecondLineOffset));
        previousX = x;
        previousY = y;
    }
}

}  // namespace

void PlotSpectrum(std::span<const double> dFreqData, std::span<double> dFreqSpectrum,
                  std::span<double> dFreqMem, std::int16_t& iSpectrums, Bool16& bMemory,
                  PlotSurface& picPic, std::int32_t lColour, bool bNewToo,
                  const FormControls& controls)
{
    const bool linear = controls.CheckValue(CheckId::chkLinear) == kChecked;
    picPic.Cls();
    if (dFreqData.size() < kUsedEntries || dFreqSpectrum.size() < kUsedEntries ||
        dFreqMem.size() < kUsedEntries)
        return;

    iSpectrums = NextCount(iSpectrums);
    const Scale scale = AverageIn(dFreqData, dFreqSpectrum, iSpectrums, linear);
    UpdateHeldCopy(dFreqSpectrum, dFreqMem, bMemory, controls.CheckValue(CheckId::chkMemory));

    const bool twoSided = controls.CheckValue(CheckId::chkTwoSides) == kChecked;
    if (bMemory != kFalse) {
        picPic.SetForeColor(kMemoryColour);
        DrawTrace(picPic, dFreqMem, scale, true, twoSided);
    }
    if (bNewToo) {
        picPic.SetForeColor(lColour);
        DrawTrace(picPic, dFreqSpectrum, scale, false, twoSided);
    }
}

}  // namespace quorvane
