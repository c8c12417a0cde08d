#pragma once

#include <cstdint>

namespace quorvane {

// Colours as 0x00BBGGRR: the message dark green, the carrier purple, the
// modulated signal dark blue and the held spectrum copies brown.
inline constexpr std::int32_t kMessageColour = 0x008000;
inline constexpr std::int32_t kCarrierColour = 0x800080;
inline constexpr std::int32_t kModulatedColour = 0x800000;
inline constexpr std::int32_t kMemoryColour = 0x004080;

}  // namespace quorvane
