#include "engine/MessageGenerator.h"

#include <cmath>
#include <cstdint>
#include <span>

#include "engine/Choices.h"
#include "engine/nrFFT.h"

namespace quorvane {
namespace {

// Pi to eight digits: the filtered noise's cut-off and gain have always been
// worked out with it, and each noise frame keeps its bits only with this very
// value. The gain's numerator is 32 of it, exactly, as a power of two times a
// double is.
constexpr double kTruncatedPi = 3.1415926;
constexpr double kNoiseGainNumerator = 32.0 * kTruncatedPi;
static_assert(kNoiseGainNumerator == 100.5309632);

double Sign(double value)
{
    return value > 0.0 ? 1.0 : (value < 0.0 ? -1.0 : 0.0);
}

void SquareWave(SampleBuffer& d, double decahertz, ToneCache* tones)
{
    WriteTone(d, decahertz, tones);
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        d[i] = Sign(d[i]);
}

void WhiteNoise(SampleBuffer& d, NoiseSource& noise)
{
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        d[i] = 2.0 * noise.Next() - 1.0;
}

// Band-limits fresh white noise to the bins below the message frequency, whose
// tone falls in bin 8192 f / (32 pi), and scales it by the square root of
// the 8192 bins over that width, so the band keeps the white noise's power.
// The odd entries go in as they stand and come out as the inverse transform's
// imaginary parts, unscaled, for the next frame to start from.
void FilteredNoise(SampleBuffer& d, double decahertz, NoiseSource& noise)
{
    WhiteNoise(d, noise);
    nrFFT::FFT(d, kPoints, false);
    const auto cutOff = static_cast<std::int16_t>(2.0 * std::floor(decahertz * kPoints / 32.0 / kTruncatedPi));
    for (std::int16_t i = cutOff; i < kUsedEntries; ++i)
        d[i] = 0.0;
    nrFFT::FFT(d, kPoints, true);
    const double gain = std::sqrt(kNoiseGainNumerator / decahertz);
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        d[i] = gain * d[i];
}

}  // namespace

void GenerateMessage(SignalState& state, const FrameInputs& controls, NoiseSource& noise,
                     ToneCache* tones)
{
    switch (controls.ChosenMessageType()) {
        case MessageType::sine: WriteTone(state.messageSignal, state.messageFrequencyDaHz, tones); break;
        case MessageType::whiteNoise: WhiteNoise(state.messageSignal, noise); break;
        case MessageType::filteredNoise:
            FilteredNoise(state.messageSignal, state.messageFrequencyDaHz, noise);
            break;
        case MessageType::square: SquareWave(state.messageSignal, state.messageFrequencyDaHz, tones); break;
    }
}

}  // namespace quorvane
