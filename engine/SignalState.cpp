#include "engine/SignalState.h"

#include <algorithm>

namespace quorvane {

void ResetSpectra(SignalState& state, bool bDataToo)
{
    state.iModSpectrums = 0;
    if (bDataToo)
        state.iDataSpectrums = 0;
}

void ClearBuffers(SignalState& state)
{
    for (SampleBuffer* buffer : {&state.dDataSignal, &state.dModSignal, &state.dCarrierSignal,
                                 &state.dDataFFT, &state.dDataSpectrum, &state.dDataSpectrumMem,
                                 &state.dModFFT, &state.dModSpectrum, &state.dModSpectrumMem})
        std::fill_n(buffer->begin(), kUsedEntries, 0.0);
}

}  // namespace quorvane
