#include "web/PageCaptionMeasure.h"

#include <emscripten/emscripten.h>

#include <string>

namespace quorvane::web {
namespace {

// Whether `text` fits the box of control `name` at `points`, by the page's
// script's `captionFits`.
EM_JS(int, CaptionFitsInPage, (const char* name, const char* text, double points), {
    return Module.captionFits(UTF8ToString(name), UTF8ToString(text), points) ? 1 : 0;
});

bool Fits(const ControlDesign& design, std::string_view text, double points)
{
    return CaptionFitsInPage(std::string(design.name).c_str(), std::string(text).c_str(), points) != 0;
}

}  // namespace

bool PageCaptionMeasure::EnglishFits(const ControlDesign& design, double points)
{
    return Fits(design, design.text, points);
}

bool PageCaptionMeasure::TranslationFits(const ControlDesign& design, double points)
{
    return Fits(design, Shown(design), points);
}

bool PageCaptionMeasure::Translated(const ControlDesign& design)
{
    return Shown(design) != design.text;
}

std::string_view PageCaptionMeasure::Shown(const ControlDesign& design) const
{
    return catalogue_.Translate("MainWindow", design.text);
}

}  // namespace quorvane::web
