#pragma once

#include <QColor>
#include <cstdint>

namespace quorvane {

// Colours travel as 0x00BBGGRR: red is the low byte.
inline QColor FromBgr(std::int32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace quorvane
