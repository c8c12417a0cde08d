#include "app/BarKeys.h"

#include <algorithm>

namespace quorvane {

int PositionAfterKey(const ScrollSettings& s, bool horizontal, int now, BarKey key)
{
    const int rightward = horizontal ? s.smallStep : -s.smallStep;
    int next = now;
    switch (key) {
        case BarKey::left: next = now - rightward; break;
        case BarKey::right: next = now + rightward; break;
        case BarKey::up: next = now - s.smallStep; break;
        case BarKey::down: next = now + s.smallStep; break;
        case BarKey::pageUp: next = now - s.largeStep; break;
        case BarKey::pageDown: next = now + s.largeStep; break;
        case BarKey::home: next = s.minimum; break;
        case BarKey::end: next = s.maximum; break;
    }
    return std::clamp(next, s.minimum, s.maximum);
}

}  // namespace quorvane
