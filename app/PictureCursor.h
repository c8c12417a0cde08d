#pragma once

#include <optional>

namespace quorvane {

// The keys that move the keyboard cursor along a picture.
enum class CursorKey { left, right, pageUp, pageDown, home, end };

// Where the cursor stands after `key`, in twips along a picture `width` twips
// wide inside, from where it stood (none while it is away): a pixel a step,
// a tenth of the width with the page keys, an end with Home and End. It
// first appears in the middle, or at the end named, and stays inside.
float CursorAfter(std::optional<float> cursor, CursorKey key, float width);

}  // namespace quorvane
