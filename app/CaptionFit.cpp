#include "app/CaptionFit.h"

#include <optional>

namespace quorvane {
namespace {

constexpr double kSmallestPointSize = 6.0;
constexpr double kPointStep = 0.5;
constexpr double kLargestOwnShrink = 1.0;

// Whether every caption of the class fits at `size`, own sizes going into `ownSizes`.
bool AllFit(double size, FontClass fontClass, std::span<const ControlDesign> controls, CaptionMeasure& measure,
            std::map<std::string_view, double>& ownSizes)
{
    for (const ControlDesign& design : controls) {
        if (design.font != fontClass || design.text.empty() || !HasFittedCaption(design.kind))
            continue;
        if (!measure.EnglishFits(design, size))
            return false;
        if (!measure.Translated(design))
            continue;
        double own = size;
        while (own >= size - kLargestOwnShrink && !measure.TranslationFits(design, own))
            own -= kPointStep;
        if (own < size - kLargestOwnShrink)
            return false;
        if (own < size)
            ownSizes[design.name] = own;
    }
    return true;
}

}  // namespace

double CaptionPlan::SizeOf(const ControlDesign& design) const
{
    const auto own = ownSizes.find(design.name);
    return own != ownSizes.end() ? own->second : classSizes[static_cast<std::size_t>(design.font)];
}

CaptionPlan PlanCaptions(std::span<const ControlDesign> controls, CaptionMeasure& measure)
{
    CaptionPlan plan;
    for (const FontClass font : {FontClass::Small, FontClass::Medium, FontClass::Large}) {
        double& chosen = plan.classSizes[static_cast<std::size_t>(font)];
        chosen = kSmallestPointSize;
        for (double size = PointSize(font); size > kSmallestPointSize; size -= kPointStep) {
            std::map<std::string_view, double> sizes;
            if (AllFit(size, font, controls, measure, sizes)) {
                plan.ownSizes.merge(sizes);
                chosen = size;
                break;
            }
        }
    }
    return plan;
}

bool HasFittedCaption(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::CheckBox || kind == ControlKind::CommandButton ||
           kind == ControlKind::ButtonCheckBox;
}

}  // namespace quorvane
