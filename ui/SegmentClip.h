#pragma once

#include <QLineF>
#include <optional>

namespace quorvane {

// The part of a segment inside [0, width] x [0, height], if any. Non-finite
// end points give nothing.
std::optional<QLineF> ClipSegment(QLineF segment, double width, double height);

}  // namespace quorvane
