#include "ui/pictures/ShrinkImage.h"

namespace quorvane {
namespace {

// The first of the `from` source pixels that destination pixel i of `to`
// covers; pixel i covers [start(i), start(i + 1)), so every source pixel falls
// in exactly one.
int start(int i, int from, int to)
{
    return static_cast<int>(static_cast<long long>(i) * from / to);
}

}  // namespace

void shrinkKeepingLines(const QImage& image, QImage& into, QRgb background)
{
    const QRgb opaqueBackground = 0xFF000000u | background;
    const int width = into.width();
    const int height = into.height();
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(into.scanLine(y));
        const int lastRow = start(y + 1, image.height(), height);
        for (int x = 0; x < width; ++x) {
            const int firstColumn = start(x, image.width(), width);
            const int lastColumn = start(x + 1, image.width(), width);
            QRgb pixel = opaqueBackground;
            for (int sy = start(y, image.height(), height); sy < lastRow && pixel == opaqueBackground; ++sy) {
                const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(sy));
                for (int sx = firstColumn; sx < lastColumn; ++sx)
                    if ((0xFF000000u | in[sx]) != opaqueBackground) {
                        pixel = 0xFF000000u | in[sx];
                        break;
                    }
            }
            out[x] = pixel;
        }
    }
}

}  // namespace quorvane
