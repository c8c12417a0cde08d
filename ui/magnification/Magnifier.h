#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QStyle>
#include <memory>
#include <span>

#include "app/WindowDesign.h"

class QWidget;

namespace quorvane {

class FontPlan;

// Places and sizes `designs`' controls among `window`'s children `factor`
// times their design, in `style` (null for the application's own), as the
// magnifier does the window's.
void magnifyControls(QWidget& window, std::span<const ControlDesign> designs, const FontPlan& fonts,
                     double factor, QPoint offset, QStyle* style);

// The window magnified as a display scale would magnify it: every control
// keeps its place in twips and only the pixels per twip change, so the design
// and what the pictures show stay as they are. Ctrl + and Ctrl - step through
// the zoom steps, Ctrl 0 returns to 100 %, F11 fills the screen.
class Magnifier final : public QObject {
    Q_OBJECT

public:
    Magnifier(QWidget& window, const FontPlan& fonts);
    ~Magnifier() override;

    // 1 at the design's size.
    double zoom() const { return zoom_; }
    // Where the magnified design starts in the window (full screen centres it).
    QPoint offset() const { return offset_; }

    void setZoom(double factor);
    void zoomIn();
    void zoomOut();
    void toggleFullScreen();
    // At start-up: the largest step that fits the screen, if 100 % does not.
    void fitToScreen();
    // The window's size changed; full screen follows it.
    void windowResized();

signals:
    void zoomed(double factor);

private:
    void apply(double factor, QPoint offset);
    QSize decoration() const;
    QSize available() const;

    QWidget& window_;
    const FontPlan& fonts_;
    std::unique_ptr<QStyle> style_;
    double zoom_ = 1.0;
    QPoint offset_;
    bool fullScreen_ = false;
    double zoomBeforeFullScreen_ = 1.0;
};

}  // namespace quorvane
