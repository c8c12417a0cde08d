#pragma once

#include <QCheckBox>

class QStyle;

namespace quorvane {

// A check box whose caption wraps within its box, the whole box answering
// clicks. The program may set the greyed state; a click or Space always
// toggles between unchecked and checked, greyed going to checked.
class CheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit CheckBox(QWidget* parent = nullptr);

    // Distance from the left edge to where the caption starts.
    static int captionIndent(const QStyle& style);
    static constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void nextCheckState() override;
};

}  // namespace quorvane
