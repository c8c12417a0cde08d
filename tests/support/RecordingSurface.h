#pragma once

#include <cstdint>
#include <vector>

#include "plot/PlotSurface.h"

namespace quorvane::testing {

struct Segment {
    float x1, y1, x2, y2;
    std::int32_t colour;
};

// Records every operation; sized like the window's pictures by default
// (8895 twips wide outside, 8835 inside).
struct RecordingSurface final : PlotSurface {
    float innerWidth = 8835.0f;
    float innerHeight = 2715.0f;
    float outerLeft = 6000.0f;
    float outerWidth = 8895.0f;

    std::vector<Segment> segments;  // since the last Cls
    std::int32_t foreColour = 0;
    int clears = 0;
    int colourChanges = 0;

    RecordingSurface() { segments.reserve(16384); }
    RecordingSurface(float width, float height) : RecordingSurface()
    {
        innerWidth = width;
        innerHeight = height;
    }

    float InnerWidth() const override { return innerWidth; }
    float InnerHeight() const override { return innerHeight; }
    void Clear() override
    {
        segments.clear();
        ++clears;
    }
    void SetColour(std::int32_t colour) override
    {
        foreColour = colour;
        ++colourChanges;
    }
    void DrawLine(float x1, float y1, float x2, float y2) override
    {
        segments.push_back({x1, y1, x2, y2, foreColour});
    }
    float OuterLeft() const override { return outerLeft; }
    float OuterWidth() const override { return outerWidth; }
};

}  // namespace quorvane::testing
