#include "engine/SignalState.h"

#include <algorithm>

namespace quorvane {

void RestartAverages(SignalState& state, bool messageToo)
{
    state.modulatedAverageCount = 0;
    if (messageToo)
        state.messageAverageCount = 0;
}

void ClearBuffers(SignalState& state)
{
    for (SampleBuffer* buffer :
         {&state.messageSignal, &state.modulatedSignal, &state.carrierSignal,
          &state.messageTransform, &state.messageSpectrum, &state.messageHeldSpectrum,
          &state.modulatedTransform, &state.modulatedSpectrum, &state.modulatedHeldSpectrum})
        std::fill_n(buffer->begin(), kUsedEntries, 0.0);
}

}  // namespace quorvane
