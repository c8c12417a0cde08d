#include "ui/guide/GuidePlacement.h"

#include <algorithm>

namespace quorvane {

QRect guidePlacement(QRect main, QSize preferred, int narrowest, QRect available)
{
    const int roomRight = available.right() - main.right();
    const int roomLeft = main.left() - available.left();
    const bool right = roomRight >= preferred.width() ||
                       (roomLeft < preferred.width() && roomRight >= roomLeft);
    const int room = right ? roomRight : roomLeft;
    const int width = room >= narrowest ? std::min(room, preferred.width()) : preferred.width();
    const int x = right ? std::min(main.right() + 1, available.right() + 1 - width)
                        : std::max(main.left() - width, available.left());
    const int height = std::min(preferred.height(), available.height());
    const int y = std::clamp(main.top(), available.top(), available.bottom() + 1 - height);
    return {x, y, width, height};
}

}  // namespace quorvane
