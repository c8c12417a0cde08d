#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>

namespace quorvane {

// The image reduced to `size` (no larger than it) without losing thin lines:
// each pixel of the result takes, of the pixels it covers, the first that is
// not `background`. Nothing is blended, so traces stay crisp and one pixel
// wide, and none drops out as it would where whole rows and columns are skipped.
QImage ShrinkKeepingLines(const QImage& image, QSize size, QRgb background);

}  // namespace quorvane
