#pragma once

#include <QImage>
#include <QLineF>
#include <QRgb>

namespace quorvane {

// Draws segments given in twips straight into an RGB32 image, setting exactly
// the pixels that QPainter sets for them with QPen(colour, 0) (a solid
// one-pixel cosmetic pen, square caps, no antialiasing) under a scale of one
// pixel to 15 twips and no clipping but the image's own edges. It does so at a
// small fraction of QPainter's cost per segment, without a painter.
//
// It writes through the pixel pointer taken by Target, so it must be
// targeted again after anything that may have shared or replaced the image.
class SegmentRaster {
public:
    SegmentRaster() = default;
    SegmentRaster(QImage& image, QRgb colour);

    // Takes the image's pixels, detaching the image first if it is shared.
    void Target(QImage& image);
    void SetColour(QRgb colour) { colour_ = 0xFF000000u | colour; }

    // End points must be finite; parts outside the image are clipped.
    void Draw(const QLineF& twips);

private:
    void Pixel(int x, int y)
    {
        if (x < 0 || x >= width_ || y < 0 || y >= height_)
            return;
        pixels_[y * stride_ + x] = colour_;
    }

    quint32* pixels_ = nullptr;
    qsizetype stride_ = 0;
    int width_ = 0;
    int height_ = 0;
    quint32 colour_ = 0xFF000000u;
};

}  // namespace quorvane
