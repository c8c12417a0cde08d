#pragma once

#include <QRect>

#include "plot/PlotTypes.h"

namespace quorvane {

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

inline QRect ToPixels(const TwipsBox& box)
{
    return {TwipsToPixels(box.left), TwipsToPixels(box.top), TwipsToPixels(box.width),
            TwipsToPixels(box.height)};
}

}  // namespace quorvane
