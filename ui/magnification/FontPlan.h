#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <array>
#include <span>

#include "app/WindowDesign.h"

class QStyle;

namespace quorvane {

// Whether `text` in `font` fits, unclipped, where a control of `kind` that is
// `box` large in `style` draws its caption; true for controls without one.
bool CaptionFits(ControlKind kind, QSize box, const QString& text, const QFont& font,
                 const QStyle& style);

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
