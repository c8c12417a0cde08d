#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <span>

#include "app/CaptionFit.h"
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
bool captionFits(ControlKind kind, QSize box, const QString& text, const QFont& font,
                 const QStyle& style);

// The design's typeface at the design size of the class.
QFont designFont(FontClass font);

// One font per class of the design, as app/CaptionFit plans them: the
// typeface asked for is often missing and replaced by a wider one. A
// translation is measured at 100 % and at every zoom step.
class FontPlan {
public:
    FontPlan(std::span<const ControlDesign> controls, const QStyle& style);

    QFont font(FontClass font) const;
    // The font of the control `design` describes: its class's, or its own.
    QFont font(const ControlDesign& design) const;

private:
    CaptionPlan plan_;
};

}  // namespace quorvane
