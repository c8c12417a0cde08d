#include "engine/ChannelNoise.h"

#include <cmath>
#include <cstdint>

#include "base/Units.h"

namespace quorvane {
namespace {


double MeanPower(const SampleBuffer& d)
{
    double sum = 0.0;
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        sum += d[i] * d[i];
    return sum / kPoints;
}

// Two standard normal draws by the polar method: no sines, and the
// rejected quarter of the draws costs less than the sine and cosine would.
std::array<double, 2> NormalPair(NoiseSource& source)
{
    for (;;) {
        const double u = 2.0 * source.Next() - 1.0;
        const double v = 2.0 * source.Next() - 1.0;
        const double s = u * u + v * v;
        if (s > 0.0 && s < 1.0) {
            const double factor = std::sqrt(-2.0 * std::log(s) / s);
            return {u * factor, v * factor};
        }
    }
}

}  // namespace

// The channel: the thermal and atmospheric noise every antenna picks up with
// the signal, white across the whole band, before any filter of the receiver.
void AddChannelNoise(const SampleBuffer& clean, double decibelsBelow, NoiseSource& source,
                     SampleBuffer& received)
{
    const double deviation = std::sqrt(MeanPower(clean) * std::pow(10.0, -decibelsBelow / 10.0));
    for (std::int16_t i = 0; i <= kLastEven; i += 4) {
        const auto [a, b] = NormalPair(source);
        received[i] = clean[i] + deviation * a;
        received[i + 2] = clean[i + 2] + deviation * b;
        received[i + 1] = 0.0;
        received[i + 3] = 0.0;
    }
}

}  // namespace quorvane
