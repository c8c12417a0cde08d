#pragma once

#include <cstdint>

namespace quorvane {

// A drawing area measured in twips (15 to a pixel at 96 dpi), origin at the
// top-left of the inner area, y growing downward. Colours are 0x00BBGGRR.
class PlotSurface {
public:
    virtual ~PlotSurface() = default;
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;
    virtual void Cls() = 0;
    virtual void SetForeColor(std::int32_t colour) = 0;
    // Parts outside the inner area are clipped without error.
    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    // Outer geometry in the window's twips.
    virtual float Left() const = 0;
    virtual float Width() const = 0;
};

}  // namespace quorvane
