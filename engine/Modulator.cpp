#include "engine/Modulator.h"

#include <cmath>
#include <cstdint>

#include "engine/Choices.h"

namespace quorvane {
namespace {

double CarrierPhase(std::int16_t i, double f)
{
    return static_cast<double>(i) * f / 32.0;
}

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

void AngleModulate(Angle scheme, const SampleBuffer& x, double f, double m, SampleBuffer& out,
                   AngleMemo* memo)
{
    if (memo && memo->Replay(scheme, x, f, m, out))
        return;
    if (scheme == Angle::FM)
        FrequencyModulate(x, f, m, out);
    else
        PhaseModulate(x, f, m, out);
    if (memo)
        memo->Remember(scheme, x, f, m, out);
}

}  // namespace

void Modulate(SignalState& state, const FrameInputs& controls, AngleMemo* memo)
{
    const SampleBuffer& x = state.messageSignal;
    const SampleBuffer& c = state.carrierSignal;
    SampleBuffer& out = state.modulatedSignal;
    const double m = state.depth;
    const double f = state.carrierFrequencyDaHz;

    switch (controls.ChosenScheme()) {
        case Scheme::dsbSc:
            for (std::int16_t i = 0; i <= kLastEven; i += 2)
                out[i] = ((m * -1.0) * x[i]) * c[i];
            break;
        case Scheme::am:
            for (std::int16_t i = 0; i <= kLastEven; i += 2)
                out[i] = ((1.0 - x[i] * m) * 0.5) * c[i];
            break;
        case Scheme::fm: AngleModulate(Angle::FM, x, f, m, out, memo); break;
        case Scheme::pm: AngleModulate(Angle::PM, x, f, m, out, memo); break;
    }
}

}  // namespace quorvane
