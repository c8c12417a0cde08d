#pragma once

#include <QColor>

#include "plot/Colour.h"

namespace quorvane {

inline QColor fromBgr(Colour colour)
{
    const Rgb rgb = ToRgb(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace quorvane
