#include "engine/MessageGenerator.h"

#include <cmath>
#include <cstdint>
#include <span>

#include "engine/ControlTexts.h"
#include "engine/nrFFT.h"

namespace quorvane {
namespace {

constexpr std::int16_t kLastEven = 16382;

double Sign(double value)
{
    return value > 0.0 ? 1.0 : (value < 0.0 ? -1.0 : 0.0);
}

void SquareWave(SampleBuffer& d, double dDataFreq, ToneCache* tones)
{
    WriteTone(d, dDataFreq, tones);
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        d[i] = Sign(d[i]);
}

void WhiteNoise(SampleBuffer& d, NoiseSource& rnd)
{
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        d[i] = 2.0 * rnd.Next() - 1.0;
}

// Band-limits fresh white noise to the bins below the message frequency. The
// odd entries go in as they stand and come out as the inverse transform's
// imaginary parts, unscaled, for the next frame to start from.
void FilteredNoise(SampleBuffer& d, double dDataFreq, NoiseSource& rnd)
{
    WhiteNoise(d, rnd);
    nrFFT::FFT(d, kPoints, false);
    const auto cutOff = static_cast<std::int16_t>(2.0 * std::floor(dDataFreq * 8192.0 / 32.0 / 3.1415926));
    for (std::int16_t i = cutOff; i < kUsedEntries; ++i)
        d[i] = 0.0;
    nrFFT::FFT(d, kPoints, true);
    const double gain = std::sqrt(100.5309632 / dDataFreq);
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        d[i] = gain * d[i];
}

}  // namespace

void tmrGenerateSignal(SignalState& state, const FormControls& controls, NoiseSource& rnd,
                       ToneCache* tones)
{
    const std::string_view type = controls.ListText(ListId::cmbData);
    if (type == kSineWave)
        WriteTone(state.dDataSignal, state.dDataFreq, tones);
    else if (type == kWhiteNoise)
        WhiteNoise(state.dDataSignal, rnd);
    else if (type == kFilteredNoise)
        FilteredNoise(state.dDataSignal, state.dDataFreq, rnd);
    else if (type == kSquareWave)
        SquareWave(state.dDataSignal, state.dDataFreq, tones);
}

}  // namespace quorvane
