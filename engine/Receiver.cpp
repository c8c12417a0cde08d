#include "engine/Receiver.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "base/Units.h"
#include "engine/BandFilters.h"

namespace quorvane {
namespace {

// The output band reaches past the message frequency, so a sine passes
// within 0.1 dB and a filtered-noise message whole.
constexpr double kMessageBandPerFrequency = 1.6;
// The filters delay nothing; the fit still looks this far either way.
constexpr int kMostLag = 2;

double MessagePeak(const SampleBuffer& message)
{
    double peak = 0.0;
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        peak = std::max(peak, std::abs(message[i]));
    return peak;
}

// Half the band the transmission takes around its carrier: the message band
// either side for AM and DSB-SC; Carson's rule, peak deviation plus message
// band, for FM and PM. FM's peak deviation is depth x the message's peak, in
// the state's frequency units; PM's is its peak phase shift (the same
// product, in radians) times the message frequency.
double HalfBand(Scheme scheme, const SignalState& signal, double messageBand)
{
    const double peak = signal.depth * MessagePeak(signal.messageSignal);
    switch (scheme) {
        case Scheme::fm: return peak + messageBand;
        case Scheme::pm: return peak * signal.messageFrequencyDaHz + messageBand;
        case Scheme::dsbSc:
        case Scheme::am: break;
    }
    return messageBand;
}

// What a detector in step with its own scheme gives for a message x, as
// level + gain x, so that the recovered message can be drawn on the
// message's scale. The amplitude detectors see the carrier's level (half the
// carrier for AM, none for DSB-SC, the whole constant envelope of FM and PM)
// and the message's part of the amplitude; the angle detectors how far the
// modulator turned the frequency or the phase.
struct Calibration {
    double level;
    double gain;
};

Calibration DetectorCalibration(Detector detector, Scheme scheme, double depth, double degrees)
{
    const double m = depth > 0.0 ? depth : 1.0;
    const double carrierLevel = scheme == Scheme::am ? 0.5 : (scheme == Scheme::dsbSc ? 0.0 : 1.0);
    const double amplitudeGain = scheme == Scheme::am ? -m / 2.0 : -m;
    switch (detector) {
        case Detector::envelope: return {carrierLevel, amplitudeGain};
        case Detector::product:
            return {carrierLevel * std::cos(degrees * std::numbers::pi / 180.0), amplitudeGain};
        case Detector::frequency: return {0.0, -m / 16.0};
        case Detector::phase: break;
    }
    return {0.0, -m};
}

void Receive(ReceiverState& receiver, const SignalState& signal, int noiseStep)
{
    if (noiseStep == 0) {
        for (std::int16_t i = 0; i <= kLastEven; i += 2) {
            receiver.receivedSignal[i] = signal.modulatedSignal[i];
            receiver.receivedSignal[i + 1] = 0.0;
        }
        return;
    }
    AddChannelNoise(signal.modulatedSignal, kChannelNoiseDecibels[noiseStep - 1],
                    receiver.channelNoise, receiver.receivedSignal);
}

}  // namespace

void RunReceiver(ReceiverState& receiver, const SignalState& signal, Scheme scheme,
                 const ReceiverSettings& settings)
{
    const int noiseStep =
        std::clamp<int>(settings.noiseStep, 0, static_cast<int>(kChannelNoiseDecibels.size()));
    const double degrees =
        kOscillatorStepDegrees * std::clamp(settings.oscillatorStep, 0, kMostOscillatorStep);
    const double messageBand = kMessageBandPerFrequency * signal.messageFrequencyDaHz;

    Receive(receiver, signal, noiseStep);
    std::copy_n(receiver.receivedSignal.begin(), kUsedEntries, receiver.band.begin());
    KeepBand(receiver.band, signal.carrierFrequencyDaHz, HalfBand(scheme, signal, messageBand));
    Detect(settings.detector, receiver.band, signal.carrierFrequencyDaHz, degrees, receiver.detected);
    // The audio stage: passes the programme's band and nothing above it.
    KeepBelow(receiver.detected, messageBand);

    const Calibration c = DetectorCalibration(settings.detector, scheme, signal.depth, degrees);
    for (std::int16_t i = 0; i <= kLastEven; i += 2) {
        receiver.recoveredMessage[i] = (receiver.detected[i] - c.level) / c.gain;
        receiver.recoveredMessage[i + 1] = 0.0;
    }
    receiver.lastFit = FitMessage(signal.messageSignal, receiver.recoveredMessage, kSettlingPoints,
                                  kPoints - kSettlingPoints, kMostLag);
    AddToAverage(receiver.sinad, receiver.lastFit);
}

}  // namespace quorvane
