#pragma once

#include "plot/Colour.h"

namespace quorvane {

// The message dark green, the carrier purple, the modulated signal dark blue
// and the held spectrum copies brown. The recovered message is magenta: in
// simulations of each kind of dichromacy it stays more than 90 CIELAB units
// from the message's green, where orange and vermilion come within 25 for
// protanopia.
inline constexpr Colour kMessageColour = 0x008000;
inline constexpr Colour kCarrierColour = 0x800080;
inline constexpr Colour kModulatedColour = 0x800000;
inline constexpr Colour kMemoryColour = 0x004080;
inline constexpr Colour kRecoveredColour = 0xD000D0;

}  // namespace quorvane
