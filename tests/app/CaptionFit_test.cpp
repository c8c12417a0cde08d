// The one caption-fitting rule both front ends measure against.
#include <gtest/gtest.h>

#include <map>
#include <string_view>

#include "app/CaptionFit.h"
#include "ui/CaseName.h"

namespace quorvane::testing {
namespace {

// Each caption fits up to a largest size; a caption listed as translated
// has that size for its translation.
struct FakeMeasure final : CaptionMeasure {
    std::map<std::string_view, double> englishLargest;
    std::map<std::string_view, double> translatedLargest;

    static bool Within(const std::map<std::string_view, double>& largest, std::string_view name, double points)
    {
        const auto found = largest.find(name);
        return found == largest.end() || points <= found->second;
    }
    bool EnglishFits(const ControlDesign& d, double points) override { return Within(englishLargest, d.name, points); }
    bool TranslationFits(const ControlDesign& d, double points) override
    {
        return Within(translatedLargest, d.name, points);
    }
    bool Translated(const ControlDesign& d) override { return translatedLargest.contains(d.name); }
};

struct FitCase {
    const char* name;
    std::map<std::string_view, double> englishLargest;
    std::map<std::string_view, double> translatedLargest;
    double largeClass;
    std::map<std::string_view, double> ownSizes;
};

struct CaptionFit : ::testing::TestWithParam<FitCase> {};

// The large class is designed at 18 points; the captions named are its labels.
TEST_P(CaptionFit, ClassesShrinkForEnglishAndTranslationsAtMostOnePoint)
{
    const FitCase& c = GetParam();
    FakeMeasure measure;
    measure.englishLargest = c.englishLargest;
    measure.translatedLargest = c.translatedLargest;
    const CaptionPlan plan = PlanCaptions(ControlDesigns(), measure);
    EXPECT_EQ(plan.classSizes[static_cast<std::size_t>(FontClass::Large)], c.largeClass);
    EXPECT_EQ(plan.ownSizes, c.ownSizes);
    EXPECT_EQ(plan.classSizes[static_cast<std::size_t>(FontClass::Medium)], 13.5) << "nothing limits the others";
}

INSTANTIATE_TEST_SUITE_P(
    Plans, CaptionFit,
    ::testing::Values(FitCase{"EverythingFits", {}, {}, 18.0, {}},
                      FitCase{"AnEnglishCaptionShrinksItsClass", {{"depthLabel", 16.0}}, {}, 16.0, {}},
                      FitCase{"ATranslationTakesASizeOfItsOwn", {}, {{"carrierLabel", 17.5}}, 18.0, {{"carrierLabel", 17.5}}},
                      FitCase{"OnePointAtMost", {}, {{"carrierLabel", 17.0}}, 18.0, {{"carrierLabel", 17.0}}},
                      FitCase{"BeyondThatTheClassShrinks", {}, {{"carrierLabel", 16.5}}, 17.5, {{"carrierLabel", 16.5}}}),
    CaseName{});

}  // namespace
}  // namespace quorvane::testing
