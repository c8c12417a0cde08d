#pragma once

#include <QFont>
#include <array>
#include <span>

#include "ui/FormLayout.h"

class QStyle;

namespace quorvane {

// The design's typeface at the design size of the class.
QFont DesignFont(FontClass font);

// One font per class of the design. The typeface asked for is often missing
// and replaced by a wider one, so each class keeps the largest size, up to its
// design size, at which every caption of the class fits its box; all controls
// of a class then share one size.
class FontPlan {
public:
    FontPlan(std::span<const ControlDesign> controls, const QStyle& style);

    QFont Font(FontClass font) const;

private:
    std::array<QFont, 4> fonts_;
};

}  // namespace quorvane
