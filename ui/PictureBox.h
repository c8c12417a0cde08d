#pragma once

#include <QFrame>
#include <QImage>
#include <QLineF>
#include <vector>

#include "plot/PlotSurface.h"

namespace quorvane {

// A drawing surface with a sunken two-pixel border, measured in twips inside.
// Segments are gathered and drawn in one batch per colour onto a backing image,
// so the picture survives repaints, pauses included.
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
    void Flush();

    const QRect& Inner() const;

    mutable QSize innerFor_;
    mutable QRect inner_;
    QImage image_;
    std::vector<QLineF> pending_;
    QColor foreColour_;
    bool pressed_ = false;
};

}  // namespace quorvane
