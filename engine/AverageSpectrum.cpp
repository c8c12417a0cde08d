#include "engine/AverageSpectrum.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "base/Units.h"

namespace quorvane {
namespace {

constexpr std::size_t kBins = kPoints;
constexpr double kSilentFirst = -10000.0;
constexpr double kSilentLater = -1000.0;

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

void UpdateHeldCopy(const RunningSpectrum& spectrum, CheckState memory)
{
    if (memory == CheckState::unchecked)
        spectrum.isHeld = false;
    if (!spectrum.isHeld && memory == CheckState::checked) {
        spectrum.isHeld = true;
        std::copy_n(spectrum.average.begin(), kUsedEntries, spectrum.held.begin());
    }
}

}  // namespace

bool AverageSpectrum(std::span<const double> transform, const RunningSpectrum& spectrum, bool linear,
                     const DisplaySettings& controls, LogMemo* logs)
{
    if (transform.size() < kUsedEntries || spectrum.average.size() < kUsedEntries ||
        spectrum.held.size() < kUsedEntries)
        return false;

    const std::int16_t n = spectrum.count = NextCount(spectrum.count);
    for (std::size_t k = 0; k < kBins; ++k) {
        const double re = transform[2 * k];
        const double im = transform[2 * k + 1];
        const double power = im * im + re * re;
        spectrum.average[k] = Averaged(spectrum.average[k], BinValue(power, k, n, linear, logs), n);
    }
    UpdateHeldCopy(spectrum, controls.SwitchState(Switch::memory));
    return true;
}

}  // namespace quorvane
