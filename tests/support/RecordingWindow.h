#pragma once

#include <memory>

#include "app/Frame.h"
#include "engine/NoiseSource.h"
#include "engine/SignalState.h"
#include "support/RecordingSurface.h"

namespace quorvane::testing {

// One window's worth of signal state at its start-up values, drawing into
// recording pictures sized like the window's. A window made without a memo
// works every frame out afresh.
struct RecordingWindow {
    explicit RecordingWindow(bool withMemo = true)
        : memo(withMemo ? std::make_unique<FrameMemo>() : nullptr)
    {
        state->messageFrequencyDaHz = 0.5;
        state->carrierFrequencyDaHz = 6.4;
        state->depth = 1.0;
    }

    std::unique_ptr<SignalState> state = std::make_unique<SignalState>();
    std::unique_ptr<FrameMemo> memo;
    NoiseSource noise;
    RecordingSurface messagePicture{8835, 975};
    RecordingSurface messageSpectrumPicture{8835, 2715};
    RecordingSurface carrierPicture{8835, 1095};
    RecordingSurface modulatedPicture{8835, 1095};
    RecordingSurface modulatedSpectrumPicture{8835, 2715};
    FramePictures pictures{messagePicture, messageSpectrumPicture, carrierPicture, modulatedPicture,
                           modulatedSpectrumPicture};

    void Tick(const FrameInputs& controls) { RunFrame(*state, controls, pictures, noise, memo.get()); }
};

}  // namespace quorvane::testing
