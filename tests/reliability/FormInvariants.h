#pragma once

#include <cmath>

#include "engine/SignalState.h"

namespace quorvane::testing {

// What must hold of the signal state after any tick, whatever was clicked.
inline bool StateIsSound(const SignalState& s)
{
    for (int i = 1; i < kUsedEntries; i += 2)
        if (s.dCarrierSignal[i] != 0.0 || s.dModSignal[i] != 0.0)
            return false;
    for (const SampleBuffer* b : {&s.dDataSignal, &s.dModSignal, &s.dCarrierSignal, &s.dDataFFT,
                                  &s.dDataSpectrum, &s.dDataSpectrumMem, &s.dModFFT, &s.dModSpectrum,
                                  &s.dModSpectrumMem})
        if ((*b)[16384] != 0.0)
            return false;
    if (s.iDataSpectrums < 0 || s.iModSpectrums < 0)
        return false;
    for (int k = 0; k < kPoints; ++k)
        if (!std::isfinite(s.dDataSpectrum[k]) || !std::isfinite(s.dModSpectrum[k]))
            return false;
    return true;
}

}  // namespace quorvane::testing
