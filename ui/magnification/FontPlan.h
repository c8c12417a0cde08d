#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <array>
#include <map>
#include <span>
#include <string_view>

#include "app/WindowDesign.h"

class QStyle;

namespace quorvane {

// Magnified fonts are the design's sizes times the step, and glyph widths do
// not scale exactly with them: the English captions themselves overrun their
// boxes by up to this many pixels at some steps (at 125 %, "Depth"). A
// translation may do as much there, and nothing at 100 %.
inline constexpr int kMagnifiedSlack = 2;

// Whether `text` in `font` fits, unclipped, where a control of `kind` that is
// `box` large in `style` draws its caption; true for controls without one.
bool CaptionFits(ControlKind kind, QSize box, const QString& text, const QFont& font,
                 const QStyle& style);

// The design's typeface at the design size of the class.
QFont DesignFont(FontClass font);

// One font per class of the design. The typeface asked for is often missing
// and replaced by a wider one, so each class keeps the largest size, up to its
// design size, at which every caption of the class fits its box; all controls
// of a class then share one size. A translated caption that would not fit its
// box at that size, at 100 % or at any zoom step, takes a size of its own, at
// most one point smaller: one long word does not shrink the others, and the
// English window keeps exactly the sizes it always had.
class FontPlan {
public:
    FontPlan(std::span<const ControlDesign> controls, const QStyle& style);

    QFont Font(FontClass font) const;
    // The font of the control `design` describes: its class's, or its own.
    QFont Font(const ControlDesign& design) const;

private:
    std::array<QFont, 4> fonts_;
    std::map<std::string_view, double> ownSizes_;
};

}  // namespace quorvane
