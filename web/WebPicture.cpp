#include "web/WebPicture.h"

#include <algorithm>

#include "app/WindowDesign.h"
#include "base/Twips.h"
#include "plot/SegmentClip.h"

namespace quorvane::web {
namespace {

// The sunken panel of the desktop's picture boxes with the palette its tests
// and a plain desktop use: two shades above and left, two below and right,
// around the window's background.
constexpr int kBorder = kPictureBorderWidth;
constexpr std::uint32_t kBackground = 0xFFEFEFEF;
constexpr std::uint32_t kOuterTopLeft = 0xFF9F9F9F;
constexpr std::uint32_t kInnerTopLeft = 0xFF767676;
constexpr std::uint32_t kInnerBottomRight = 0xFFCACACA;
constexpr std::uint32_t kOuterBottomRight = 0xFFFFFFFF;

// The raster's pixels are 0xAARRGGBB.
std::uint32_t FromBgr(Colour colour)
{
    const Rgb rgb = ToRgb(colour);
    return 0xFF000000u | static_cast<std::uint32_t>(rgb.red << 16 | rgb.green << 8 | rgb.blue);
}

// Which shade the border gives pixel (x, y) of a w x h box, drawn as the
// desktop's style draws it: each outer edge, then each inner edge, the later
// edge winning at the corners.
std::uint32_t BorderAt(int x, int y, int w, int h)
{
    if (y == h - 1 || x == w - 1)
        return kOuterBottomRight;
    if (y == 0 || x == 0)
        return kOuterTopLeft;
    if (y == h - 2 || x == w - 2)
        return kInnerBottomRight;
    return kInnerTopLeft;
}

}  // namespace

WebPicture::WebPicture(int left, int width, int height)
    : left_(left),
      width_(width),
      height_(height),
      innerWidth_(std::max(0, width - 2 * kBorder)),
      innerHeight_(std::max(0, height - 2 * kBorder)),
      inner_(static_cast<std::size_t>(innerWidth_ * innerHeight_), kBackground),
      rgba_(static_cast<std::size_t>(width * height) * 4, 0)
{
    raster_.Target({inner_.data(), innerWidth_, innerWidth_, innerHeight_});
}

float WebPicture::InnerWidth() const
{
    return static_cast<float>(innerWidth_ * kTwipsPerPixel);
}

float WebPicture::InnerHeight() const
{
    return static_cast<float>(innerHeight_ * kTwipsPerPixel);
}

void WebPicture::Clear()
{
    std::fill(inner_.begin(), inner_.end(), kBackground);
}

void WebPicture::SetColour(Colour colour)
{
    raster_.SetColour(FromBgr(colour));
}

void WebPicture::DrawLine(float x1, float y1, float x2, float y2)
{
    const auto clipped = ClipSegment(Segment{x1, y1, x2, y2}, InnerWidth(), InnerHeight());
    if (clipped)
        raster_.Draw(*clipped);
}

float WebPicture::OuterLeft() const
{
    return static_cast<float>(left_ * kTwipsPerPixel);
}

float WebPicture::OuterWidth() const
{
    return static_cast<float>(width_ * kTwipsPerPixel);
}

void WebPicture::Compose()
{
    bool changed = false;
    std::uint8_t* out = rgba_.data();
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x, out += 4) {
            const bool inside = x >= kBorder && x < width_ - kBorder && y >= kBorder && y < height_ - kBorder;
            const std::uint32_t pixel =
                inside ? inner_[static_cast<std::size_t>((y - kBorder) * innerWidth_ + x - kBorder)]
                       : BorderAt(x, y, width_, height_);
            const std::uint8_t rgba[4] = {static_cast<std::uint8_t>(pixel >> 16),
                                          static_cast<std::uint8_t>(pixel >> 8),
                                          static_cast<std::uint8_t>(pixel), 0xFF};
            changed = changed || !std::equal(rgba, rgba + 4, out);
            std::copy(rgba, rgba + 4, out);
        }
    }
    changed_ = changed;
}

}  // namespace quorvane::web
