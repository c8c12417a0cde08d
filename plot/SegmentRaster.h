#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvane {

// A segment in twips, as a plot hands it to a surface.
struct Segment {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

// 32-bit pixels 0xAARRGGBB, row after row, `stride` pixels apart.
struct PixelBuffer {
    std::uint32_t* pixels = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;
};

// Draws segments given in twips straight into a pixel buffer, setting exactly
// the pixels that Qt's raster painter sets for them with a solid one-pixel
// cosmetic pen (square caps, no antialiasing) under a scale of one pixel to
// 15 twips and no clipping but the buffer's own edges. It does so at a small
// fraction of a painter's cost per segment, and with no toolkit at all, so the
// desktop and the page draw the same pixels.
//
// It writes through the pointer it was targeted at, so it must be targeted
// again after anything that may have moved the pixels.
class SegmentRaster {
public:
    SegmentRaster() = default;
    SegmentRaster(const PixelBuffer& target, std::uint32_t colour);

    void Target(const PixelBuffer& target) { target_ = target; }
    // Opaque whatever alpha is given.
    void SetColour(std::uint32_t colour) { colour_ = 0xFF000000u | colour; }

    // End points must be finite; parts outside the buffer are clipped.
    void Draw(const Segment& twips);

private:
    void Pixel(int x, int y)
    {
        if (x < 0 || x >= target_.width || y < 0 || y >= target_.height)
            return;
        target_.pixels[y * target_.stride + x] = colour_;
    }

    PixelBuffer target_;
    std::uint32_t colour_ = 0xFF000000u;
};

}  // namespace quorvane
