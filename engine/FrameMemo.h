#pragma once

#include "engine/AngleMemo.h"
#include "engine/LogMemo.h"
#include "engine/ToneCache.h"

namespace quorvane {

// Everything one window keeps from frame to frame so that a frame repeating
// the last one's arithmetic copies its results instead. Each value is used
// only when its inputs have the very bits it was made from, so a frame gives
// the same bits with a memo as without. Allocated once, beside the signal state.
struct FrameMemo {
    ToneCache messageTones;
    ToneCache carrierTones;
    AngleMemo angle;
    LogMemo messageLogs;
    LogMemo modulatedLogs;
};

}  // namespace quorvane
