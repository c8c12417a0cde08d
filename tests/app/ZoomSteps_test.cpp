// The steps both front ends magnify by, and which one a request names.
#include <gtest/gtest.h>

#include <optional>

#include "app/ZoomSteps.h"
#include "ui/CaseName.h"

namespace quorvane::testing {
namespace {

struct NameCase {
    const char* name;
    double value;
    std::optional<double> step;
};

struct StepNames : ::testing::TestWithParam<NameCase> {};

TEST_P(StepNames, AFactorOrAPercentageNamesAStep)
{
    EXPECT_EQ(StepNamed(GetParam().value), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(Values, StepNames,
                         ::testing::Values(NameCase{"Factor", 1.25, 1.25}, NameCase{"Percentage", 125, 1.25},
                                           NameCase{"RoundedPercentage", 67, 0.67}, NameCase{"NoStep", 7, std::nullopt},
                                           NameCase{"Nothing", 0, std::nullopt}),
                         CaseName{});

// The design window is 1003 x 678 pixels at 100 %.
TEST(ZoomSteps, TheLargestStepThatFitsAndTheSmallestWhereNoneDoes)
{
    EXPECT_EQ(LargestFittingStep(1003, 678, 1003, 678), 1.0);
    EXPECT_EQ(LargestFittingStep(1003, 678, 1002, 2000), 0.9);
    EXPECT_EQ(LargestFittingStep(1003, 678, 100, 100), 0.5);
}

}  // namespace
}  // namespace quorvane::testing
