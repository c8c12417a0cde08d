#pragma once

#include <array>
#include <cmath>
#include <cstdint>

#include "base/BitCast.h"
#include "engine/SignalState.h"

namespace quorvane {

// The one expression every tone is made with: sin(i x f / 32).
inline double Tone(std::int16_t i, double f)
{
    return std::sin(static_cast<double>(i) * f / 32.0);
}

// The values of Tone at the even indices i = 0, 2, ... 16382 for the last
// frequency asked for. Every tone of the program starts again at phase 0 on
// every frame, so as long as f keeps the same bits the sines are the same bits
// too, and 8192 calls of std::sin a frame (a fifth of a frame's work) come down
// to a copy.
class ToneCache {
public:
    using Values = std::array<double, kPoints>;  // entry k holds index i = 2k

    const Values& For(double f)
    {
        const auto key = BitCast<std::uint64_t>(f);
        if (!valid_ || key != key_) {
            for (std::int16_t i = 0; i <= kLastEven; i += 2)
                values_[i / 2] = Tone(i, f);
            key_ = key;
            valid_ = true;
        }
        return values_;
    }

private:
    Values values_{};
    std::uint64_t key_ = 0;
    bool valid_ = false;
};

// Writes Tone(i, f) into the even entries of d, from the cache where given.
inline void WriteTone(SampleBuffer& d, double f, ToneCache* tones)
{
    if (tones) {
        const ToneCache::Values& kept = tones->For(f);
        for (std::int16_t i = 0; i <= kLastEven; i += 2)
            d[i] = kept[i / 2];
    } else {
        for (std::int16_t i = 0; i <= kLastEven; i += 2)
            d[i] = Tone(i, f);
    }
}

}  // namespace quorvane
