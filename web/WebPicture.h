#pragma once

#include <cstdint>
#include <vector>

#include "plot/PlotSurface.h"
#include "plot/SegmentRaster.h"

namespace quorvane::web {

// A picture box of the page: a drawing surface over a plain pixel buffer,
// drawn by the desktop's own rasteriser, and the box as the desktop shows it
// at 100 %, sunken two-pixel border included, as bytes a canvas takes.
class WebPicture final : public PlotSurface {
public:
    // The box's outer left edge and size in the design, in pixels.
    WebPicture(int left, int width, int height);

    float InnerWidth() const override;
    float InnerHeight() const override;
    void Clear() override;
    void SetColour(Colour colour) override;
    void DrawLine(float x1, float y1, float x2, float y2) override;
    float OuterLeft() const override;
    float OuterWidth() const override;

    // Composes the box for the canvas.
    void Compose();
    // Whether the last composition differs from the one before.
    bool Changed() const { return changed_; }
    const std::uint8_t* Rgba() const { return rgba_.data(); }

private:
    int left_;
    int width_;
    int height_;
    int innerWidth_;
    int innerHeight_;
    std::vector<std::uint32_t> inner_;  // 0xAARRGGBB, what the rasteriser draws
    std::vector<std::uint8_t> rgba_;    // the whole box, R G B A bytes
    SegmentRaster raster_;
    bool changed_ = false;
};

}  // namespace quorvane::web
