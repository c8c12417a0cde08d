#include "engine/Modulator.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace quorvane {
namespace {

constexpr std::int16_t kLastEven = 16382;

double CarrierPhase(std::int16_t i, double f)
{
    return static_cast<double>(i) * f / 32.0;
}

enum class Angle { FM, PM };

// "FM" and "PM" cost a sine per sample. Their output depends only on the
// message's even entries, f and m, so when a frame brings the same bits as the
// last one (a sine or square message with nothing changed) the last output is
// written again instead. Noise messages differ at the first sample, so the
// check costs them next to nothing. Not for use from two threads.
class AngleMemo {
public:
    // True, with the output written, when the inputs match the last ones.
    bool Replay(Angle scheme, const SampleBuffer& x, double f, double m, SampleBuffer& out) const
    {
        if (!valid_ || scheme != scheme_ || Bits(f) != f_ || Bits(m) != m_)
            return false;
        for (std::int16_t i = 0; i <= kLastEven; i += 2)
            if (Bits(x[i]) != x_[i / 2])
                return false;
        for (std::int16_t i = 0; i <= kLastEven; i += 2)
            out[i] = out_[i / 2];
        return true;
    }

    void Remember(Angle scheme, const SampleBuffer& x, double f, double m, const SampleBuffer& out)
    {
        scheme_ = scheme;
        f_ = Bits(f);
        m_ = Bits(m);
        for (std::int16_t i = 0; i <= kLastEven; i += 2) {
            x_[i / 2] = Bits(x[i]);
            out_[i / 2] = out[i];
        }
        valid_ = true;
    }

private:
    static std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

    std::array<std::uint64_t, kPoints> x_{};
    std::array<double, kPoints> out_{};
    std::uint64_t f_ = 0;
    std::uint64_t m_ = 0;
    Angle scheme_ = Angle::FM;
    bool valid_ = false;
};

AngleMemo angleMemo;

void FrequencyModulate(const SampleBuffer& x, double f, double m, SampleBuffer& out)
{
    double sum = 0.0;
    for (std::int16_t i = 0; i <= kLastEven; i += 2) {
        sum = sum + x[i];
        out[i] = std::sin(CarrierPhase(i, f) - (sum * m) / 16.0);
    }
}

void PhaseModulate(const SampleBuffer& x, double f, double m, SampleBuffer& out)
{
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        out[i] = std::sin(CarrierPhase(i, f) - x[i] * m);
}

void AngleModulate(Angle scheme, const SampleBuffer& x, double f, double m, SampleBuffer& out)
{
    if (angleMemo.Replay(scheme, x, f, m, out))
        return;
    if (scheme == Angle::FM)
        FrequencyModulate(x, f, m, out);
    else
        PhaseModulate(x, f, m, out);
    angleMemo.Remember(scheme, x, f, m, out);
}

}  // namespace

void tmrModulation(SignalState& state, const FormControls& controls)
{
    const std::string_view scheme = controls.ListText(ListId::cmbMod);
    const SampleBuffer& x = state.dDataSignal;
    const SampleBuffer& c = state.dCarrierSignal;
    SampleBuffer& out = state.dModSignal;
    const double m = state.dDepth;
    const double f = state.dCarrierFreq;

    if (scheme == "DSB-SC") {
        for (std::int16_t i = 0; i <= kLastEven; i += 2)
            out[i] = ((m * -1.0) * x[i]) * c[i];
    } else if (scheme == "AM") {
        for (std::int16_t i = 0; i <= kLastEven; i += 2)
            out[i] = ((1.0 - x[i] * m) * 0.5) * c[i];
    } else if (scheme == "FM") {
        AngleModulate(Angle::FM, x, f, m, out);
    } else if (scheme == "PM") {
        AngleModulate(Angle::PM, x, f, m, out);
    }
}

}  // namespace quorvane
