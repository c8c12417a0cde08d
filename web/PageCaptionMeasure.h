#pragma once

#include <string_view>

#include "app/CaptionFit.h"
#include "web/Catalogue.h"

namespace quorvane::web {

// Whether a caption fits its box, as the page's script measures it in the
// browser's typeface at the page's zoom, in English or in the catalogue's
// language.
class PageCaptionMeasure final : public CaptionMeasure {
public:
    explicit PageCaptionMeasure(const Catalogue& catalogue) : catalogue_(catalogue) {}

    bool EnglishFits(const ControlDesign& design, double points) override;
    bool TranslationFits(const ControlDesign& design, double points) override;
    bool Translated(const ControlDesign& design) override;

private:
    std::string_view Shown(const ControlDesign& design) const;

    const Catalogue& catalogue_;
};

}  // namespace quorvane::web
