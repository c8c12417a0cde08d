#pragma once

#include <QFrame>
#include <QImage>
#include <optional>

#include "plot/PlotSurface.h"
#include "plot/SegmentRaster.h"

namespace quorvane {

// A drawing surface with a sunken two-pixel border, measured in twips inside.
// Segments are drawn as they come onto a backing image, so the picture
// survives repaints, pauses included; a repaint only copies the image.
//
// Magnified, the box keeps its design size in twips: the picture and its
// border are drawn as at 100 % and shown with every pixel enlarged, so what
// it shows does not change. The pointer's place is reported in those twips.
class PictureBox final : public QFrame, public PlotSurface {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    float InnerWidth() const override;
    float InnerHeight() const override;
    void Clear() override;
    void SetColour(std::int32_t colour) override;
    void DrawLine(float x1, float y1, float x2, float y2) override;
    float OuterLeft() const override;
    float OuterWidth() const override;

    // Shows the box `factor` times its design geometry (in pixels at 100 %).
    void setZoom(double factor, const QRect& design);

    // Where the keyboard cursor's marker stands for a place along the
    // picture, in the box's own pixels: a one-pixel column over its height.
    QRect markerRect(float twips) const;

    // The keyboard cursor's place, none while it is away; putting it at a
    // place reports it as its own keys do.
    std::optional<float> cursorPlace() const { return cursor_; }
    void placeCursor(float twips);

signals:
    void clicked();
    // The pointer over the box, in the picture's twips and on the screen.
    void pointerMoved(QPointF twips, QPoint global);
    void pointerLeft();
    // The keyboard cursor moved to a place along the picture, in its twips,
    // or was put away.
    void cursorMoved(float twips);
    void cursorHidden();
    // N or P asks for the next peak to the right or left; D for what the
    // picture shows.
    void peakWanted(bool right);
    void descriptionWanted();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void hideCursor();

    void ensureImage();
    void prepareRaster();
    void requestRepaint();
    void showIfChanged();

    const QRect& inner() const;
    QRect logical() const;
    void paintMagnified(QPainter& painter);
    void drawFocusRing(QPainter& painter, const QRect& outer) const;

    mutable QSize innerFor_;
    mutable QRect inner_;
    QImage image_;
    // What the screen was last asked to show.
    QImage shown_;
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
    bool keyboardFocus_ = false;
    std::optional<float> cursor_;
    double zoom_ = 1.0;
    QRect design_;
    // The box as at 100 %, composed for showing magnified.
    QImage look_;
    QImage shrunk_;
};

}  // namespace quorvane
