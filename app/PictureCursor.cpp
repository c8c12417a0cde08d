#include "app/PictureCursor.h"

#include <algorithm>
#include <cmath>

#include "base/Twips.h"

namespace quorvane {

float CursorAfter(std::optional<float> cursor, CursorKey key, float width)
{
    const auto pixel = static_cast<float>(kTwipsPerPixel);
    const float last = width - pixel;
    const float page = std::max(pixel, std::floor(width / 10 / pixel) * pixel);
    const float at = cursor.value_or(std::floor(last / 2 / pixel) * pixel);
    const bool shown = cursor.has_value();
    float next = at;
    switch (key) {
        case CursorKey::left: next = shown ? at - pixel : at; break;
        case CursorKey::right: next = shown ? at + pixel : at; break;
        case CursorKey::pageUp: next = shown ? at - page : at; break;
        case CursorKey::pageDown: next = shown ? at + page : at; break;
        case CursorKey::home: next = 0.0f; break;
        case CursorKey::end: next = last; break;
    }
    return std::clamp(next, 0.0f, last);
}

}  // namespace quorvane
