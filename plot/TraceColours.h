#pragma once

#include "plot/Colour.h"

namespace quorvane {

// The message dark green, the carrier purple, the modulated signal dark blue
// and the held spectrum copies brown. The recovered message is a dark
// vermilion, which differs from the message's green in lightness and in its
// blue-yellow balance, so it stands apart for every kind of colour vision.
inline constexpr Colour kMessageColour = 0x008000;
inline constexpr Colour kCarrierColour = 0x800080;
inline constexpr Colour kModulatedColour = 0x800000;
inline constexpr Colour kMemoryColour = 0x004080;
inline constexpr Colour kRecoveredColour = 0x0050D0;

}  // namespace quorvane
