#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace nrFFT {

// Shows a message to the user and returns when it is dismissed. The window
// installs a modal message box; without one the message is dropped.
using MessageHook = void (*)(std::string_view text);
void SetMessageHook(MessageHook hook);

inline constexpr std::string_view kPowersOfTwoMessage = "This FFT only does powers of two.";

// In-place radix-2 transform of lPoints complex points interleaved in
// dComplex[0 .. 2*lPoints-1]. Forward uses the positive exponent, unscaled;
// inverse the negative exponent, scaled by 1/lPoints. Entries from
// 2*lPoints on are never touched.
//
// A point count that is not a power of two >= 2 shows kPowersOfTwoMessage and
// leaves the array unchanged. A count too large for 2*lPoints to fit in 32
// bits throws std::overflow_error, an array shorter than 2*lPoints throws
// std::out_of_range; both before any entry changes.
void FFT(std::span<double> dComplex, std::int32_t lPoints, bool bInverse);

}  // namespace nrFFT
