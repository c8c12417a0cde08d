#pragma once

#include <cstdint>

namespace quorvane {

// The program's one pseudo-random sequence: uniform floats in [0, 1) from a
// fixed start, never reseeded, so every run repeats the same noise frames.
class NoiseSource {
public:
    NoiseSource() = default;
    // Another sequence, for a consumer that must not take the window's draws.
    explicit NoiseSource(std::uint64_t start) : state_(start) {}

    float Next();

private:
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};

}  // namespace quorvane
