#pragma once

#include <array>
#include <cstdint>

#include "plot/PlotTypes.h"

namespace quorvane {

// 8192 complex points interleaved (real at 2k, imaginary at 2k+1) plus one
// trailing entry, index 16384, that nothing ever writes.
inline constexpr int kBufferEntries = kUsedEntries + 1;
using SampleBuffer = std::array<double, kBufferEntries>;

// The window's signal members, in their declared order. Allocated once with
// the window and zero from creation.
struct SignalState {
    double dDataFreq = 0.0;
    double dCarrierFreq = 0.0;
    double dDepth = 0.0;
    std::int16_t iDataSpectrums = 0;
    std::int16_t iModSpectrums = 0;
    SampleBuffer dDataSignal{};
    SampleBuffer dModSignal{};
    SampleBuffer dCarrierSignal{};
    SampleBuffer dDataFFT{};
    SampleBuffer dDataSpectrum{};
    SampleBuffer dDataSpectrumMem{};
    SampleBuffer dModFFT{};
    SampleBuffer dModSpectrum{};
    SampleBuffer dModSpectrumMem{};
    Bool16 bDataMemory = kFalse;
    Bool16 bModMemory = kFalse;
};

// Restarts the modulated-signal average, and the message average too when
// bDataToo is set.
void ResetSpectra(SignalState& state, bool bDataToo);

// Sets entries 0..16383 of all nine buffers to 0; entry 16384 is left alone.
void ClearBuffers(SignalState& state);

}  // namespace quorvane
