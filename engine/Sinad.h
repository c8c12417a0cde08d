#pragma once

#include <cstdint>

#include "engine/SignalState.h"

namespace quorvane {

// How much of a recovered signal is the message: the recovered points fitted
// by least squares as scale x message + offset, the message's power in that
// fit, and the power of what differs from it.
struct MessageFit {
    double scale = 0.0;
    double offset = 0.0;
    double signalPower = 0.0;
    double residualPower = 0.0;
    int lag = 0;  // points the recovered signal trails the message by
};

// Fits recovered (even entries) to message over the points first..last-1,
// trying each lag up to mostLag either way and keeping the best.
MessageFit FitMessage(const SampleBuffer& message, const SampleBuffer& recovered, int first,
                      int last, int mostLag);

// The figures the box can show: a message lost entirely, or one with nothing
// else beside it, reads as these rather than as an infinity.
inline constexpr double kLeastSinad = -100.0;
inline constexpr double kMostSinad = 100.0;

// 10 log10(signal / residual) in dB, held within the figures above; a silent
// or unmeasurable signal reads as the least.
double SinadDecibels(double signalPower, double residualPower);

// The two powers averaged over the frames since the last restart, as the
// spectra are, so that the figure settles rather than flickers.
struct SinadAverage {
    std::int16_t count = 0;
    double signalPower = 0.0;
    double residualPower = 0.0;
};

void AddToAverage(SinadAverage& average, const MessageFit& fit);
inline void RestartSinad(SinadAverage& average) { average.count = 0; }
double AveragedSinad(const SinadAverage& average);

}  // namespace quorvane
