#pragma once

#include <memory>

#include "engine/FrameCycle.h"
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
        state->dDataFreq = 0.5;
        state->dCarrierFreq = 6.4;
        state->dDepth = 1.0;
    }

    std::unique_ptr<SignalState> state = std::make_unique<SignalState>();
    std::unique_ptr<FrameMemo> memo;
    NoiseSource rnd;
    RecordingSurface picData{8835, 975};
    RecordingSurface picSpectrum0{8835, 2715};
    RecordingSurface picCarrier{8835, 1095};
    RecordingSurface picModData{8835, 1095};
    RecordingSurface picSpectrum1{8835, 2715};
    FormPictures pictures{picData, {&picSpectrum0, &picSpectrum1}, picCarrier, picModData};

    void Tick(const FormControls& controls) { Timer1_Timer(*state, controls, pictures, rnd, memo.get()); }
};

}  // namespace quorvane::testing
