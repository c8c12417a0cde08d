#pragma once

#include <span>

namespace quorvane {

struct Extremes {
    double top;
    double bottom;
};

// The largest and smallest of the values, as one pass with strict comparisons
// finds them: of equal extremes the first found is kept, which matters only
// for a zero, +0 against -0. Starts from -1e12 and 1e12, so values beyond
// those are not seen.
Extremes FindExtremes(std::span<const double> values);

}  // namespace quorvane
