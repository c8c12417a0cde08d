#pragma once

#include "ui/widgets/CheckBox.h"

namespace quorvane {

// A check box drawn as a push button that stays pressed while checked (or
// greyed). Its caption takes the palette's button-text colour.
class ButtonCheckBox final : public CheckBox {
    Q_OBJECT

public:
    using CheckBox::CheckBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorvane
