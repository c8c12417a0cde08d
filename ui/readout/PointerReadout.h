#pragma once

#include <QObject>
#include <QElapsedTimer>
#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

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

    // Reads `picture` as `which` when the pointer or the keyboard cursor is
    // on it; the receiver's pictures too, in a window of their own.
    void follow(PictureBox& picture, AnyPicture which);
    // After a frame: the figures again, where the pointer or cursor stays.
    void refresh();
    void setZoom(double factor);

    const QLabel& readoutWindow() const;

private:
    QString readingAt(const PictureBox& picture, float x) const;
    AnyPicture pictureOf(const PictureBox& picture) const;
    float snap() const;
    void jumpToPeak(PictureBox& picture, bool right);
    void keepDescriptionUp();
    void showReadout();
    void placeCursorMarker();
    void showCursorReading(bool aloud);
    void hideCursor();

    const Controller& controller_;
    std::unique_ptr<ReadoutLabel> readout_;
    // The picture box showing each picture followed.
    std::vector<std::pair<const PictureBox*, AnyPicture>> shown_;
    double zoom_ = 1.0;
    PictureBox* hovered_ = nullptr;
    QPointF hoverTwips_;
    QPoint hoverGlobal_;
    // The keyboard cursor: the picture it is on, its place there, and the
    // marker that shows it, a column laid over the picture in the picture's
    // window, made on first use.
    PictureBox* cursorPicture_ = nullptr;
    float cursorTwips_ = 0;
    QPointer<QWidget> cursorMarker_;
    // The picture whose description says what it shows, while it has the
    // focus, and when it last said it.
    PictureBox* described_ = nullptr;
    QElapsedTimer describedAt_;
};

}  // namespace quorvane
