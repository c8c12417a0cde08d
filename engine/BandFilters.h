#pragma once

#include "engine/SignalState.h"

namespace quorvane {

// The receiver's filters, applied to all 8192 points at once through the
// transform. Each is zero-phase (a Butterworth magnitude with no phase), so
// nothing it passes is delayed. Frequencies are in the signal state's units.
//
// The transform treats the frame as one period of a repeating signal, which
// it is not: where its end meets its start, each filter rings for a few of
// its time constants. kSettlingPoints covers that at both ends.
inline constexpr int kSettlingPoints = 512;

// The intermediate-frequency filter: turns a real signal in the even entries
// of work (odd entries 0) into the analytic signal of its part within
// halfWidth of centre.
void KeepBand(SampleBuffer& work, double centre, double halfWidth);

// Low-passes a real signal in the even entries of work (odd entries 0),
// leaving it real.
void KeepBelow(SampleBuffer& work, double cutOff);

}  // namespace quorvane
