#pragma once

#include "plot/Colour.h"

namespace quorvane {

// A drawing area measured in twips (15 to a pixel at 96 dpi), origin at the
// top-left of the inner area, y growing downward.
class PlotSurface {
public:
    virtual ~PlotSurface() = default;
    virtual float InnerWidth() const = 0;
    virtual float InnerHeight() const = 0;
    virtual void Clear() = 0;
    virtual void SetColour(Colour colour) = 0;
    // Parts outside the inner area are clipped without error.
    virtual void DrawLine(float x1, float y1, float x2, float y2) = 0;
    // Outer geometry in the window's twips.
    virtual float OuterLeft() const = 0;
    virtual float OuterWidth() const = 0;
};

}  // namespace quorvane
