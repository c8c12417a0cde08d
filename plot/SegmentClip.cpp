#include "plot/SegmentClip.h"

#include <cmath>

namespace quorvane {
namespace {

enum Side : unsigned { kInside = 0, kLeft = 1, kRight = 2, kAbove = 4, kBelow = 8 };

struct Point {
    double x;
    double y;
};

unsigned Outside(const Point& p, double width, double height)
{
    unsigned sides = kInside;
    if (p.x < 0.0)
        sides |= kLeft;
    else if (p.x > width)
        sides |= kRight;
    if (p.y < 0.0)
        sides |= kAbove;
    else if (p.y > height)
        sides |= kBelow;
    return sides;
}

// Moves p along the segment onto the edge it lies beyond. The edge coordinate
// is set exactly, and the other one is worked from the far end, which is the
// nearer to the inside once one end has been clipped.
Point OntoEdge(const Point& p, const Point& other, unsigned sides, double width, double height)
{
    const double dx = p.x - other.x;
    const double dy = p.y - other.y;
    if (sides & (kAbove | kBelow)) {
        const double edge = (sides & kAbove) ? 0.0 : height;
        return {other.x + dx * ((edge - other.y) / dy), edge};
    }
    const double edge = (sides & kLeft) ? 0.0 : width;
    return {edge, other.y + dy * ((edge - other.x) / dx)};
}

}  // namespace

// Cohen-Sutherland: each round moves one outside end onto an edge; two rounds
// per end settle any segment, the rest only guards against rounding.
std::optional<Segment> ClipSegment(const Segment& segment, double width, double height)
{
    Point a{segment.x1, segment.y1};
    Point b{segment.x2, segment.y2};
    if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
        return std::nullopt;

    for (int round = 0; round < 8; ++round) {
        const unsigned outA = Outside(a, width, height);
        const unsigned outB = Outside(b, width, height);
        if ((outA | outB) == kInside)
            return Segment{a.x, a.y, b.x, b.y};
        if (outA & outB)
            return std::nullopt;
        if (outA != kInside)
            a = OntoEdge(a, b, outA, width, height);
        else
            b = OntoEdge(b, a, outB, width, height);
        if (!std::isfinite(a.x) || !std::isfinite(b.x) || !std::isfinite(a.y) ||
            !std::isfinite(b.y))
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace quorvane
