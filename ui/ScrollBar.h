#pragma once

#include <QScrollBar>

namespace quorvane {

// Qt 6.4's scroll bars take the left and right arrow keys the wrong way round
// (right lowers the value); here right moves the thumb right, as it looks.
// Focus that arrives from the keyboard is shown by a ring round the bar.
class ScrollBar final : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool keyboardFocus_ = false;
};

}  // namespace quorvane
