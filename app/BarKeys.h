#pragma once

#include "app/WindowDesign.h"

namespace quorvane {

// The keys a focused scroll bar takes.
enum class BarKey { left, right, up, down, pageUp, pageDown, home, end };

// Where a bar of range `scroll` that stands at `now` goes at `key`, kept
// inside its range. Up and Page Up move towards the minimum, which a vertical
// bar has at its top; Left and Right go the way they point on a horizontal
// bar and the other way on a vertical one. Right to left, a front end swaps
// Left and Right.
int PositionAfterKey(const ScrollSettings& scroll, bool horizontal, int now, BarKey key);

}  // namespace quorvane
