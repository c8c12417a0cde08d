#include "app/Experiments.h"

#include <array>

namespace quorvane {
namespace {

// Bar positions: the message box shows position / 6.4 Hz ("5" is 32, "5.1"
// 33), the carrier box twice the position ("64" is 32, "74" 37); depth
// position 5 is depth 1. The guide's figures are measured at these settings.
constexpr std::array kExperiments{
    // AM and over-modulation: message "5.1" and carrier "74", both on a bin, depth 1.
    Experiment{MessageType::sine, Scheme::am, 33, 37, 5, true, true, true, std::nullopt},
    // FM versus PM on the logarithmic scale.
    Experiment{MessageType::sine, Scheme::fm, 33, 37, 5, false, true, false, std::nullopt},
    // Filtered noise through DSB-SC at the starting "5" and "64".
    Experiment{MessageType::filteredNoise, Scheme::dsbSc, 32, 32, 5, false, true, true, std::nullopt},
    // Spectral leakage, starting on a bin.
    Experiment{MessageType::sine, Scheme::dsbSc, 33, 32, 5, false, false, true, std::nullopt},
    // The receiver's four, at the starting "5" and "64" with the modulated
    // trace on; depth position 0 is depth 2, noise step 6 is 5 dB.
    Experiment{MessageType::sine, Scheme::am, 32, 32, 5, true, false, true, ReceiverSettings{Detector::envelope, 0, 0}},
    Experiment{MessageType::sine, Scheme::am, 32, 32, 0, true, false, true, ReceiverSettings{Detector::envelope, 0, 0}},
    Experiment{MessageType::sine, Scheme::dsbSc, 32, 32, 5, true, false, true, ReceiverSettings{Detector::product, 0, 0}},
    Experiment{MessageType::sine, Scheme::fm, 32, 32, 5, true, false, true, ReceiverSettings{Detector::frequency, 0, 6}},
};

}  // namespace

std::optional<Experiment> FindExperiment(int number)
{
    if (number < 1 || number > static_cast<int>(kExperiments.size()))
        return std::nullopt;
    return kExperiments[static_cast<std::size_t>(number - 1)];
}

}  // namespace quorvane
