#include "plot/SegmentRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "base/Twips.h"

namespace quorvane {
namespace {

// The rules below are those of Qt's raster engine for aliased cosmetic lines:
// end points in 26.6 fixed point (truncated), the slope in 16.16, half a pixel
// added at both ends (square caps), and one pixel per row (steep lines) or per
// column (flat lines), sampled where the line crosses the row or column. The
// tests hold them against QPainter on the Qt the program is built with.

// Qt's test for "the same point": two doubles are alike when they differ by at
// most a millionth of a millionth of the smaller, or, where one is zero, by at
// most 1e-12 outright.
bool AlikeAsQt(double a, double b)
{
    if (a == 0.0 || b == 0.0)
        return std::abs(a - b) <= 1e-12;
    return std::abs(a - b) * 1e12 <= std::min(std::abs(a), std::abs(b));
}

// Qt's rounding of a coordinate to a pixel: halves away from zero, by adding
// a half (on 64-bit ARM, with GCC, by the processor's own rounding).
int RoundAsQt(double value)
{
#if defined(__aarch64__) && !defined(__clang__)
    return static_cast<int>(std::round(value));
#else
    return static_cast<int>(value + std::copysign(0.5, value));
#endif
}

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

// Brings the ends of a segment inside [low, high] along one axis (a), moving
// them along the segment (b follows); true when it lies wholly outside.
bool ClipAxis(double& a1, double& b1, double& a2, double& b2, double low, double high)
{
    if (a1 < low) {
        if (a2 <= low)
            return true;
        b1 += (b2 - b1) / (a2 - a1) * (low - a1);
        a1 = low;
    } else if (a1 > high) {
        if (a2 >= high)
            return true;
        b1 += (b2 - b1) / (a2 - a1) * (high - a1);
        a1 = high;
    }
    if (a2 < low) {
        b2 += (b2 - b1) / (a2 - a1) * (low - a2);
        a2 = low;
    } else if (a2 > high) {
        b2 += (b2 - b1) / (a2 - a1) * (high - a2);
        a2 = high;
    }
    return false;
}

// One pixel per step of the major axis a, sampled where the line crosses it;
// plot(a, b) sets the pixel. Ends in 26.6 fixed point.
template <typename Plot>
void Walk(int a1, int b1, int a2, int b2, Plot plot)
{
    if (a1 == a2)
        return;
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const int binc = FixedDiv16Dot16(b2 - b1, a2 - a1);
    int b = b1 * (1 << 10);
    a1 -= 32;
    b -= binc >> 1;
    a2 += 32;
    int a = (a1 + 32) >> 6;
    const int aEnd = (a2 + 32) >> 6;
    if (a == aEnd)
        return;
    const int round = binc > 0 ? 32 : 0;
    b += ((a * (1 << 6)) + round - a1) * binc >> 6;
    do {
        plot(a, b >> 16);
        b += binc;
    } while (++a < aEnd);
}

}  // namespace

SegmentRaster::SegmentRaster(const PixelBuffer& target, std::uint32_t colour) : target_(target)
{
    SetColour(colour);
}

void SegmentRaster::Draw(const Segment& twips)
{
    double rx1 = twips.x1 * kPixelsPerTwip;
    double ry1 = twips.y1 * kPixelsPerTwip;
    double rx2 = twips.x2 * kPixelsPerTwip;
    double ry2 = twips.y2 * kPixelsPerTwip;

    // A segment of no length, as Qt's fuzzy comparison of its pixel end points
    // judges it, is one pixel, the nearest to its start.
    if (AlikeAsQt(rx1, rx2) && AlikeAsQt(ry1, ry2)) {
        // Only a point within half a pixel of the image can round into it; the
        // test first keeps far points from overflowing the rounding.
        if (rx1 > -1 && rx1 < target_.width && ry1 > -1 && ry1 < target_.height)
            Pixel(RoundAsQt(rx1), RoundAsQt(ry1));
        return;
    }
    // A band one pixel wide around the image keeps the fixed-point values
    // small; the pixels themselves are clipped one by one.
    if (ClipAxis(rx1, ry1, rx2, ry2, -1, target_.width + 1) ||
        ClipAxis(ry1, rx1, ry2, rx2, -1, target_.height + 1))
        return;

    int x1 = ToFixed26Dot6(rx1);
    int y1 = ToFixed26Dot6(ry1);
    int x2 = ToFixed26Dot6(rx2);
    int y2 = ToFixed26Dot6(ry2);

    if (std::abs(x2 - x1) < std::abs(y2 - y1))
        Walk(y1, x1, y2, x2, [this](int y, int x) { Pixel(x, y); });  // steep: one per row
    else
        Walk(x1, y1, x2, y2, [this](int x, int y) { Pixel(x, y); });  // flat: one per column
}

}  // namespace quorvane
