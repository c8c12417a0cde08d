#include "app/MarkerLines.h"

#include <cstddef>

#include "app/WindowDesign.h"

namespace quorvane {

std::array<MarkerLine, 2> ZeroMarkerLines(std::int16_t x)
{
    std::array<MarkerLine, 2> lines{};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineDesign& line = ZeroMarkerDesigns()[i];
        lines[i] = {x - static_cast<float>(line.width * kTwipsPerPixel) / 2, line.y1, line.y2 - line.y1, line.width};
    }
    return lines;
}

MarkerLine CursorLine(const TwipsBox& picture, float twips)
{
    const int border = kPictureBorderWidth * kTwipsPerPixel;
    return {static_cast<float>(picture.left + border) + twips, picture.top + border, picture.height - 2 * border, 1};
}

}  // namespace quorvane
