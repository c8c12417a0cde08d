#pragma once

namespace quorvane {

// The design is laid out in twips; at 96 dpi fifteen of them make a pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

constexpr int PixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

struct TwipsBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

}  // namespace quorvane
