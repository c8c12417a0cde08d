#pragma once

#include <QRect>

#include "base/Twips.h"

namespace quorvane {

// A design box in the window's pixels at 100 %.
inline QRect toPixels(const TwipsBox& box)
{
    return {TwipsToPixels(box.left), TwipsToPixels(box.top), TwipsToPixels(box.width),
            TwipsToPixels(box.height)};
}

}  // namespace quorvane
