#pragma once

#include <QFrame>
#include <QImage>

#include "plot/PlotSurface.h"
#include "ui/SegmentRaster.h"

namespace quorvane {

// A drawing surface with a sunken two-pixel border, measured in twips inside.
// Segments are drawn as they come onto a backing image, so the picture
// survives repaints, pauses included; a repaint only copies the image.
class PictureBox final : public QFrame, public PlotSurface {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    float ScaleWidth() const override;
    float ScaleHeight() const override;
    void Cls() override;
    void SetForeColor(std::int32_t colour) override;
    void Line(float x1, float y1, float x2, float y2) override;
    float Left() const override;
    float Width() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void EnsureImage();
    void PrepareRaster();
    void RequestRepaint();

    const QRect& Inner() const;

    mutable QSize innerFor_;
    mutable QRect inner_;
    QImage image_;
    // What Line draws with, in the current colour, taken from the image once
    // per frame rather than once per segment, and the clipping bounds in twips
    // that go with it.
    SegmentRaster raster_;
    QSize rasterFor_;
    double clipWidth_ = 0;
    double clipHeight_ = 0;
    bool rasterReady_ = false;
    bool updatePending_ = false;
    bool pressed_ = false;
};

}  // namespace quorvane
