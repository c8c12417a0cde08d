#include "engine/Detectors.h"

#include <cmath>
#include <cstdint>
#include <numbers>

#include "base/Units.h"

namespace quorvane {
namespace {

constexpr double kPi = std::numbers::pi;

// The carrier's phase at entry i, as the modulator builds it.
double CarrierPhase(std::int16_t i, double f)
{
    return static_cast<double>(i) * f / 32.0;
}

// Brings a phase into [-pi, pi] by whole turns.
double Wrapped(double phase)
{
    return phase - 2.0 * kPi * std::nearbyint(phase / (2.0 * kPi));
}

double Argument(const SampleBuffer& band, std::int16_t i)
{
    return std::atan2(band[i + 1], band[i]);
}

// The diode and its RC in an AM set. A peak detector (a half-wave diode with
// a long RC) cannot follow an envelope that falls faster than its RC
// discharges, and at full modulation the envelope falls to zero, so it clips
// the troughs diagonally. A full-wave rectifier averaged by the output
// low-pass follows the envelope at every depth: the mean of |sin| is 2 / pi,
// so pi / 2 makes the output the envelope itself.
void Envelope(const SampleBuffer& band, SampleBuffer& out)
{
    for (std::int16_t i = 0; i <= kLastEven; i += 2) {
        out[i] = kPi / 2.0 * std::abs(band[i]);
        out[i + 1] = 0.0;
    }
}

// The mixer of a synchronous receiver: the signal times a local carrier of
// twice the carrier's size, so the message comes out at its own size and the
// double-frequency part is left for the low-pass.
void Product(const SampleBuffer& band, double f, double degrees, SampleBuffer& out)
{
    const double offset = degrees * kPi / 180.0;
    for (std::int16_t i = 0; i <= kLastEven; i += 2) {
        out[i] = band[i] * 2.0 * std::sin(CarrierPhase(i, f) + offset);
        out[i + 1] = 0.0;
    }
}

// The FM set's discriminator: how fast the phase turns, less the carrier's
// rate. The turn from the point before is taken as the point's own, as the
// modulator turns the phase at each point by the message there, so nothing
// is delayed; the frame's first point takes the turn to the next.
void Frequency(const SampleBuffer& band, double f, SampleBuffer& out)
{
    const double carrierRate = f / 16.0;
    const auto turn = [&](std::int16_t from, std::int16_t to) {
        const double re = band[to] * band[from] + band[to + 1] * band[from + 1];
        const double im = band[to + 1] * band[from] - band[to] * band[from + 1];
        return std::atan2(im, re) - carrierRate;
    };
    out[0] = turn(0, 2);
    out[1] = 0.0;
    for (std::int16_t i = 2; i <= kLastEven; i += 2) {
        out[i] = turn(static_cast<std::int16_t>(i - 2), i);
        out[i + 1] = 0.0;
    }
}

// The phase detector of a PM set: the signal's phase against the carrier's.
// The carrier is a sine, whose analytic signal is a quarter turn behind the
// cosine's; the difference is brought back into [-pi, pi], the range any
// phase detector has.
void Phase(const SampleBuffer& band, double f, SampleBuffer& out)
{
    for (std::int16_t i = 0; i <= kLastEven; i += 2) {
        out[i] = Wrapped(Argument(band, i) - CarrierPhase(i, f) + kPi / 2.0);
        out[i + 1] = 0.0;
    }
}

}  // namespace

void Detect(Detector detector, const SampleBuffer& band, double carrierFrequencyDaHz,
            double oscillatorDegrees, SampleBuffer& out)
{
    switch (detector) {
        case Detector::envelope: Envelope(band, out); break;
        case Detector::product: Product(band, carrierFrequencyDaHz, oscillatorDegrees, out); break;
        case Detector::frequency: Frequency(band, carrierFrequencyDaHz, out); break;
        case Detector::phase: Phase(band, carrierFrequencyDaHz, out); break;
    }
}

}  // namespace quorvane
