#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/Choices.h"
#include "engine/SignalState.h"

namespace quorvane {

// The receiver's detectors, in the order its list shows them.
enum class Detector { envelope, product, frequency, phase };

inline constexpr std::array kDetectors{Detector::envelope, Detector::product, Detector::frequency,
                                       Detector::phase};

inline constexpr std::array<std::string_view, 4> kDetectorKeys{
    QT_TRANSLATE_NOOP("Receiver", "Envelope"),
    QT_TRANSLATE_NOOP("Receiver", "Product"),
    QT_TRANSLATE_NOOP("Receiver", "Frequency"),
    QT_TRANSLATE_NOOP("Receiver", "Phase"),
};

constexpr std::string_view Key(Detector detector)
{
    return kDetectorKeys[static_cast<std::size_t>(detector)];
}

// Every detector reads the intermediate-frequency signal as an analytic
// signal (real part the band-limited received signal, imaginary part its
// quadrature) and writes its raw output, before the output low-pass, into
// the even entries of out, zeroing the odd ones. Frequencies are in the
// signal state's units; the local oscillator's phase is in degrees.
void Detect(Detector detector, const SampleBuffer& band, double carrierFrequencyDaHz,
            double oscillatorDegrees, SampleBuffer& out);

}  // namespace quorvane
