#include "ui/ShrinkImage.h"

#include <vector>

namespace quorvane {
namespace {

// The source columns (or rows) that each of `to` destination pixels covers,
// as [first, last) per pixel; every source pixel falls in exactly one.
std::vector<int> Starts(int from, int to)
{
    std::vector<int> starts(static_cast<std::size_t>(to) + 1);
    for (int i = 0; i <= to; ++i)
        starts[static_cast<std::size_t>(i)] = static_cast<int>(static_cast<long long>(i) * from / to);
    return starts;
}

}  // namespace

QImage ShrinkKeepingLines(const QImage& image, QSize size, QRgb background)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage shrunk(size, QImage::Format_RGB32);
    const std::vector<int> columns = Starts(source.width(), size.width());
    const std::vector<int> rows = Starts(source.height(), size.height());
    const QRgb opaqueBackground = 0xFF000000u | background;
    for (int y = 0; y < size.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(shrunk.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            QRgb pixel = opaqueBackground;
            for (int sy = rows[y]; sy < rows[y + 1] && pixel == opaqueBackground; ++sy) {
                const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
                for (int sx = columns[x]; sx < columns[x + 1]; ++sx)
                    if ((0xFF000000u | in[sx]) != opaqueBackground) {
                        pixel = 0xFF000000u | in[sx];
                        break;
                    }
            }
            out[x] = pixel;
        }
    }
    return shrunk;
}

}  // namespace quorvane
