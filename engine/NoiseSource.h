#pragma once

#include <cstdint>

namespace quorvane {

// The program's one pseudo-random sequence: uniform floats in [0, 1) from a
// fixed start, never reseeded, so every run repeats the same noise frames.
class NoiseSource {
public:
    float Next();

private:
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};

}  // namespace quorvane
