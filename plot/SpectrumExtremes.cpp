#include "plot/SpectrumExtremes.h"

#include <algorithm>
#include <cstddef>

namespace quorvane {

// Four interleaved passes find the same values as one, faster; they can only
// disagree when the extreme is a zero, and then the single pass settles it.
Extremes FindExtremes(std::span<const double> values)
{
    double bottoms[4] = {1e12, 1e12, 1e12, 1e12};
    double tops[4] = {-1e12, -1e12, -1e12, -1e12};
    const std::size_t whole = values.size() - values.size() % 4;
    for (std::size_t k = 0; k < whole; k += 4) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            const double v = values[k + lane];
            bottoms[lane] = v < bottoms[lane] ? v : bottoms[lane];
            tops[lane] = v > tops[lane] ? v : tops[lane];
        }
    }
    double bottom = bottoms[0];
    double top = tops[0];
    for (std::size_t lane = 1; lane < 4; ++lane) {
        bottom = bottoms[lane] < bottom ? bottoms[lane] : bottom;
        top = tops[lane] > top ? tops[lane] : top;
    }
    if (bottom == 0 || top == 0 || whole != values.size()) {
        bottom = 1e12;
        top = -1e12;
        for (const double v : values) {
            bottom = std::min(bottom, v);
            top = std::max(top, v);
        }
    }
    return {top, bottom};
}

}  // namespace quorvane
