#include "ui/GuidePlacement.h"

#include <algorithm>

namespace quorvane {

QPoint GuidePlacement(QRect main, QSize guide, QRect available)
{
    const int roomRight = available.right() - main.right();
    const int roomLeft = main.left() - available.left();
    int x = 0;
    if (roomRight >= guide.width())
        x = main.right() + 1;
    else if (roomLeft >= guide.width())
        x = main.left() - guide.width();
    else if (roomRight >= roomLeft)
        x = available.right() + 1 - guide.width();
    else
        x = available.left();
    const int lowest = available.bottom() + 1 - guide.height();
    const int y = std::max(available.top(), std::min(main.top(), lowest));
    return {std::max(available.left(), x), y};
}

}  // namespace quorvane
