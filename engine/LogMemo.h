#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "base/BitCast.h"
#include "base/Units.h"

namespace quorvane {

// The logarithm of each bin's last power, kept between frames for one
// spectrum: with a sine or square message and nothing changed, a frame brings
// the very powers of the frame before, and a bin whose power has the same bits
// takes its logarithm from here instead of from std::log (8192 calls a
// spectrum). Each logarithm is looked up by the power it was taken of, so a
// kept value can only ever be the value std::log would give.
class LogMemo {
public:
    // ln power, for a power above 0.
    double Log(std::size_t k, double power)
    {
        const auto bits = BitCast<std::uint64_t>(power);
        if (powers_[k] != bits) {
            logs_[k] = std::log(power);
            powers_[k] = bits;
        }
        return logs_[k];
    }

private:
    // Zero bits never match, since only powers above 0 are looked up.
    std::array<std::uint64_t, kPoints> powers_{};
    std::array<double, kPoints> logs_{};
};

}  // namespace quorvane
