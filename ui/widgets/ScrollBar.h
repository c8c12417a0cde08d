#pragma once

#include <QScrollBar>
#include <functional>
#include <optional>
#include <utility>

namespace quorvane {

// Qt 6.4's scroll bars take the left and right arrow keys the wrong way round
// (right lowers the value); here the keys move the bar as app/BarKeys says,
// right moving the thumb right, as it looks.
// Focus that arrives from the keyboard is shown by a ring round the bar.
class ScrollBar final : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

    // The number the bar's box shows for a position, for screen readers; a
    // bar without one is read by its raw position.
    void setShownValue(std::function<double(int)> shown) { shown_ = std::move(shown); }
    std::optional<double> shownValue(int position) const
    {
        return shown_ ? std::optional(shown_(position)) : std::nullopt;
    }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool keyboardFocus_ = false;
    std::function<double(int)> shown_;
};

}  // namespace quorvane
