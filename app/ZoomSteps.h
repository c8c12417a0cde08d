#pragma once

#include <array>
#include <optional>

namespace quorvane {

// The magnifications the window steps through, as a display scale would
// magnify it; 1 is the design's own size.
// Typed in full: GCC 12 keeps a deduced constexpr array in writable data.
inline constexpr std::array<double, 14> kZoomSteps{0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                                                   1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0};

// The largest step at which a window of `width` x `height` pixels at 100 %
// fits `room` pixels across and `roomHeight` down, each side rounded to
// whole pixels; the smallest step where none does.
double LargestFittingStep(int width, int height, int room, int roomHeight);

// The step `value` names, as a factor (1.25) or a percentage (125); none
// where it names none.
std::optional<double> StepNamed(double value);

}  // namespace quorvane
