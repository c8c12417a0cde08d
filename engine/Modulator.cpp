#include "engine/Modulator.h"

#include <cmath>
#include <cstdint>

namespace quorvane {
namespace {

constexpr std::int16_t kLastEven = 16382;

double CarrierPhase(std::int16_t i, double f)
{
    return static_cast<double>(i) * f / 32.0;
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
        double sum = 0.0;
        for (std::int16_t i = 0; i <= kLastEven; i += 2) {
            sum = sum + x[i];
            out[i] = std::sin(CarrierPhase(i, f) - (sum * m) / 16.0);
        }
    } else if (scheme == "PM") {
        for (std::int16_t i = 0; i <= kLastEven; i += 2)
            out[i] = std::sin(CarrierPhase(i, f) - x[i] * m);
    }
}

}  // namespace quorvane
