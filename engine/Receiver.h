#pragma once

#include <array>
#include <cstdint>

#include "engine/ChannelNoise.h"
#include "engine/Choices.h"
#include "engine/Detectors.h"
#include "engine/NoiseSource.h"
#include "engine/SignalState.h"
#include "engine/Sinad.h"

namespace quorvane {

// The local oscillator's phase moves in steps of 15 degrees, 0 to 180.
inline constexpr int kOscillatorStepDegrees = 15;
inline constexpr int kMostOscillatorStep = 12;

// What the receiver's controls set. noiseStep 0 is a clean channel; step n
// adds noise at kChannelNoiseDecibels[n - 1]. Steps out of range are held
// at the nearest end.
struct ReceiverSettings {
    Detector detector = Detector::envelope;
    int oscillatorStep = 0;
    int noiseStep = 0;
};

// Everything the receiver computes and keeps, allocated once: the received
// signal and the recovered message (time signals in the even entries, the
// recovered one on the message's scale), two work buffers, the channel's
// noise source and the figure's average.
struct ReceiverState {
    SampleBuffer receivedSignal{};
    SampleBuffer recoveredMessage{};
    SampleBuffer band{};
    SampleBuffer detected{};
    NoiseSource channelNoise{kChannelNoiseStart};
    MessageFit lastFit;
    SinadAverage sinad;
};

// One frame of the receiver on what the window's frame left in signal:
// channel, intermediate-frequency filter, detector, output low-pass, the fit
// against the message and the figure's average. Stands alone like the
// window's frames, apart from the noise's succession and the average.
void RunReceiver(ReceiverState& receiver, const SignalState& signal, Scheme scheme,
                 const ReceiverSettings& settings);

// The recovered message's signal-to-noise ratio in dB, averaged over the
// frames since the last restart; restart whenever what is received or how it
// is received changes.
inline double ReceiverSinad(const ReceiverState& receiver) { return AveragedSinad(receiver.sinad); }
inline void RestartReceiverAverage(ReceiverState& receiver) { RestartSinad(receiver.sinad); }

}  // namespace quorvane
