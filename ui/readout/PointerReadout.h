#pragma once

#include <QObject>
#include <QElapsedTimer>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <array>
#include <memory>

#include "app/Controller.h"

class QLabel;
class QWidget;

namespace quorvane {

class PictureBox;
class ReadoutLabel;

// The readout beside the pointer: what lies under it in the picture it rests
// on, refreshed with every frame while it stays, gone when it leaves. The
// keyboard cursor of a focused picture gives the same readout at its marker.
class PointerReadout final : public QObject {
    Q_OBJECT

public:
    PointerReadout(QWidget& window, const Controller& controller);
    ~PointerReadout() override;

    // Reads `picture` as `which` when the pointer or the keyboard cursor is on it.
    void follow(PictureBox& picture, Picture which);
    // After a frame: the figures again, where the pointer or cursor stays.
    void refresh();
    void setZoom(double factor);

    const QLabel& readoutWindow() const;

private:
    QString readingAt(const PictureBox& picture, float x) const;
    Picture pictureOf(const PictureBox& picture) const;
    float snap() const;
    void jumpToPeak(PictureBox& picture, bool right);
    void keepDescriptionUp();
    void showReadout();
    void placeCursorMarker();
    void showCursorReading(bool aloud);
    void hideCursor();

    QWidget& window_;
    const Controller& controller_;
    std::unique_ptr<ReadoutLabel> readout_;
    // The picture box showing each picture, in the order of Picture.
    std::array<const PictureBox*, 5> shown_{};
    double zoom_ = 1.0;
    PictureBox* hovered_ = nullptr;
    QPointF hoverTwips_;
    QPoint hoverGlobal_;
    // The keyboard cursor: the picture it is on, its place there, and the
    // marker that shows it, a column laid over the picture, made on first use.
    PictureBox* cursorPicture_ = nullptr;
    float cursorTwips_ = 0;
    std::unique_ptr<QWidget> cursorMarker_;
    // The picture whose description says what it shows, while it has the
    // focus, and when it last said it.
    PictureBox* described_ = nullptr;
    QElapsedTimer describedAt_;
};

}  // namespace quorvane
