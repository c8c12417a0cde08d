#include "engine/MessageGenerator.h"

#include <cmath>
#include <cstdint>
#include <span>

#include "engine/Choices.h"
#include "engine/nrFFT.h"

namespace quorvane {
namespace {

constexpr std::int16_t kLastEven = 16382;

double Sign(double value)
{
    return value > 0.0 ? 1.0 : (value < 0.0 ? -1.0 : 0.0);
}

void SquareWave(SampleBuffer& d, double messageFrequency, ToneCache* tones)
{
    WriteTone(d, messageFrequency, tones);
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        d[i] = Sign(d[i]);
}

void WhiteNoise(SampleBuffer& d, NoiseSource& noise)
{
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        d[i] = 2.0 * noise.Next() - 1.0;
}

// Band-limits fresh white noise to the bins below the message frequency. The
// odd entries go in as they stand and come out as the inverse transform's
// imaginary parts, unscaled, for the next frame to start from.
void FilteredNoise(SampleBuffer& d, double messageFrequency, NoiseSource& noise)
{
    WhiteNoise(d, noise);
    nrFFT::FFT(d, kPoints, false);
    const auto cutOff = static_cast<std::int16_t>(2.0 * std::floor(messageFrequency * 8192.0 / 32.0 / 3.1415926));
    for (std::int16_t i = cutOff; i < kUsedEntries; ++i)
        d[i] = 0.0;
    nrFFT::FFT(d, kPoints, true);
    const double gain = std::sqrt(100.5309632 / messageFrequency);
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        d[i] = gain * d[i];
}

}  // namespace

void GenerateMessage(SignalState& state, const FrameInputs& controls, NoiseSource& noise,
                     ToneCache* tones)
{
    switch (controls.ChosenMessageType()) {
        case MessageType::sine: WriteTone(state.messageSignal, state.messageFrequency, tones); break;
        case MessageType::whiteNoise: WhiteNoise(state.messageSignal, noise); break;
        case MessageType::filteredNoise:
            FilteredNoise(state.messageSignal, state.messageFrequency, noise);
            break;
        case MessageType::square: SquareWave(state.messageSignal, state.messageFrequency, tones); break;
    }
}

}  // namespace quorvane
