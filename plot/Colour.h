#pragma once

#include <cstdint>

namespace quorvane {

// A colour as the design and the plots give it: 0x00BBGGRR, red in the low
// byte.
using Colour = std::int32_t;

struct Rgb {
    int red;
    int green;
    int blue;
};

// The one place a colour is taken apart; each front end builds its own
// colour from the three parts.
constexpr Rgb ToRgb(Colour colour)
{
    return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
}

}  // namespace quorvane
