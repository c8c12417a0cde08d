#pragma once

#include <QColor>
#include <QWidget>

namespace quorvane {

// A rectangle outline drawn inside its box; it takes no input and lies below
// the controls it surrounds.
class ShapeFrame final : public QWidget {
    Q_OBJECT

public:
    ShapeFrame(QColor colour, int borderWidth, QWidget* parent = nullptr);

    void setBorderWidth(int borderWidth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    int borderWidth_;
};

}  // namespace quorvane
