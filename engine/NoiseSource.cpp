#include "engine/NoiseSource.h"

namespace quorvane {

// A 64-bit linear congruential step with a permuted 32-bit output. Only the
// top 24 bits are kept: they convert to float exactly, so no draw can round
// up to 1.0.
float NoiseSource::Next()
{
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rot = static_cast<std::uint32_t>(old >> 59u);
    const std::uint32_t bits = (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
    return static_cast<float>(bits >> 8) * 0x1.0p-24f;
}

}  // namespace quorvane
