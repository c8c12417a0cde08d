#pragma once

#include <QScrollBar>

namespace quorvane {

// Qt 6.4's scroll bars take the left and right arrow keys the wrong way round
// (right lowers the value); here right moves the thumb right, as it looks.
class ScrollBar final : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quorvane
