#pragma once

#include <array>
#include <map>
#include <span>
#include <string_view>

#include "app/WindowDesign.h"

namespace quorvane {

// How a front end measures captions in its own typeface, which is often not
// the design's and wider.
class CaptionMeasure {
public:
    virtual ~CaptionMeasure() = default;
    // Whether the control's English caption fits its box at `points`.
    virtual bool EnglishFits(const ControlDesign& design, double points) = 0;
    // Whether its caption in the class's language fits at `points`, at every
    // magnification the front end may show it at.
    virtual bool TranslationFits(const ControlDesign& design, double points) = 0;
    // Whether the class's language shows the control another caption than the English.
    virtual bool Translated(const ControlDesign& design) = 0;
};

// The type sizes the captions take, in points at 100 %.
struct CaptionPlan {
    std::array<double, 4> classSizes{};  // by FontClass
    std::map<std::string_view, double> ownSizes;

    // The size of the control `design` describes: its class's, or its own.
    double SizeOf(const ControlDesign& design) const;
};

// Each class keeps the largest size, up to its design size and half a point
// at a time, at which every English caption of the class fits its box and
// every translated one fits at that size or at a size of its own at most one
// point smaller; at 96 dots per inch half a point often rounds to the same
// pixel size, so one point is one pixel of type. One long word so shrinks no
// other caption, and the English window keeps the sizes it always had.
CaptionPlan PlanCaptions(std::span<const ControlDesign> controls, CaptionMeasure& measure);

// Whether a control of `kind` has a caption fitted to its box.
bool HasFittedCaption(ControlKind kind);

}  // namespace quorvane
