#include "ui/SegmentRaster.h"

#include <QPointF>
#include <QtGlobal>
#include <cstdlib>
#include <utility>

#include "ui/Twips.h"

namespace quorvane {
namespace {

// The rules below are those of Qt's raster engine for aliased cosmetic lines:
// end points in 26.6 fixed point (truncated), the slope in 16.16, half a pixel
// added at both ends (square caps), and one pixel per row (steep lines) or per
// column (flat lines), sampled where the line crosses the row or column. The
// tests hold them against QPainter on the Qt the program is built with.

constexpr double kPixelsPerTwip = 1.0 / kTwipsPerPixel;

int ToFixed26Dot6(double value)
{
    return static_cast<int>(value * 64.);
}

int FixedDiv16Dot16(int numerator, int denominator)
{
    if (std::abs(numerator) > 0x7fff)
        return static_cast<int>(static_cast<long long>(numerator) * (1 << 16) / denominator);
    return numerator * (1 << 16) / denominator;
}

}  // namespace

SegmentRaster::SegmentRaster(QImage& image, QRgb colour)
{
    Target(image);
    SetColour(colour);
}

void SegmentRaster::Target(QImage& image)
{
    pixels_ = reinterpret_cast<quint32*>(image.bits());
    stride_ = image.bytesPerLine() / static_cast<qsizetype>(sizeof(quint32));
    width_ = image.width();
    height_ = image.height();
}

// A band one pixel wide around the image keeps the fixed-point values small;
// the pixels themselves are clipped one by one.
bool SegmentRaster::ClipToGuardBand(double& x1, double& y1, double& x2, double& y2) const
{
    const double xmin = -1;
    const double xmax = width_ + 1;
    const double ymin = -1;
    const double ymax = height_ + 1;
    if (x1 < xmin) {
        if (x2 <= xmin)
            return true;
        y1 += (y2 - y1) / (x2 - x1) * (xmin - x1);
        x1 = xmin;
    } else if (x1 > xmax) {
        if (x2 >= xmax)
            return true;
        y1 += (y2 - y1) / (x2 - x1) * (xmax - x1);
        x1 = xmax;
    }
    if (x2 < xmin) {
        y2 += (y2 - y1) / (x2 - x1) * (xmin - x2);
        x2 = xmin;
    } else if (x2 > xmax) {
        y2 += (y2 - y1) / (x2 - x1) * (xmax - x2);
        x2 = xmax;
    }
    if (y1 < ymin) {
        if (y2 <= ymin)
            return true;
        x1 += (x2 - x1) / (y2 - y1) * (ymin - y1);
        y1 = ymin;
    } else if (y1 > ymax) {
        if (y2 >= ymax)
            return true;
        x1 += (x2 - x1) / (y2 - y1) * (ymax - y1);
        y1 = ymax;
    }
    if (y2 < ymin) {
        x2 += (x2 - x1) / (y2 - y1) * (ymin - y2);
        y2 = ymin;
    } else if (y2 > ymax) {
        x2 += (x2 - x1) / (y2 - y1) * (ymax - y2);
        y2 = ymax;
    }
    return false;
}

void SegmentRaster::Draw(const QLineF& twips)
{
    double rx1 = twips.x1() * kPixelsPerTwip;
    double ry1 = twips.y1() * kPixelsPerTwip;
    double rx2 = twips.x2() * kPixelsPerTwip;
    double ry2 = twips.y2() * kPixelsPerTwip;

    // A segment of no length, as QPointF's fuzzy comparison of its pixel end
    // points judges it, is one pixel, the nearest to its start.
    if (QPointF(rx1, ry1) == QPointF(rx2, ry2)) {
        // Only a point within half a pixel of the image can round into it; the
        // test first keeps far points from overflowing the rounding.
        if (rx1 > -1 && rx1 < width_ && ry1 > -1 && ry1 < height_)
            Pixel(qRound(rx1), qRound(ry1));
        return;
    }
    if (ClipToGuardBand(rx1, ry1, rx2, ry2))
        return;

    int x1 = ToFixed26Dot6(rx1);
    int y1 = ToFixed26Dot6(ry1);
    int x2 = ToFixed26Dot6(rx2);
    int y2 = ToFixed26Dot6(ry2);

    if (std::abs(x2 - x1) < std::abs(y2 - y1)) {
        // Steep: one pixel per row, top to bottom.
        if (y1 > y2) {
            std::swap(y1, y2);
            std::swap(x1, x2);
        }
        const int xinc = FixedDiv16Dot16(x2 - x1, y2 - y1);
        int x = x1 * (1 << 10);
        y1 -= 32;
        x -= xinc >> 1;
        y2 += 32;
        int y = (y1 + 32) >> 6;
        const int yEnd = (y2 + 32) >> 6;
        if (y == yEnd)
            return;
        const int round = xinc > 0 ? 32 : 0;
        x += ((y * (1 << 6)) + round - y1) * xinc >> 6;
        do {
            Pixel(x >> 16, y);
            x += xinc;
        } while (++y < yEnd);
    } else {
        // Flat: one pixel per column, left to right.
        if (x1 == x2)
            return;
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int yinc = FixedDiv16Dot16(y2 - y1, x2 - x1);
        int y = y1 * (1 << 10);
        x1 -= 32;
        y -= yinc >> 1;
        x2 += 32;
        int x = (x1 + 32) >> 6;
        const int xEnd = (x2 + 32) >> 6;
        if (x == xEnd)
            return;
        const int round = yinc > 0 ? 32 : 0;
        y += ((x * (1 << 6)) + round - x1) * yinc >> 6;
        do {
            Pixel(x, y >> 16);
            y += yinc;
        } while (++x < xEnd);
    }
}

}  // namespace quorvane
