#pragma once

#include <QImage>
#include <QRgb>

namespace quorvane {

// Reduces `image` (RGB32) into `into` (RGB32, no larger) without losing thin
// lines: each pixel of the result takes, of the pixels it covers, the first
// that is not `background`. Nothing is blended, so traces stay crisp and one
// pixel wide, and none drops out as it would where whole rows and columns are
// skipped.
void shrinkKeepingLines(const QImage& image, QImage& into, QRgb background);

}  // namespace quorvane
