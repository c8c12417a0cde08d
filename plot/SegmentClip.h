#pragma once

#include <optional>

#include "plot/SegmentRaster.h"

namespace quorvane {

// The part of a segment inside [0, width] x [0, height], if any. Non-finite
// end points give nothing.
std::optional<Segment> ClipSegment(const Segment& segment, double width, double height);

}  // namespace quorvane
