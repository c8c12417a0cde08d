#include <gtest/gtest.h>

#include <limits>

#include "plot/RoundToInt16.h"

namespace quorvane {
namespace {

struct RoundCase {
    const char* name;
    double value;
    std::int16_t expected;
};

class RoundToInt16Test : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToInt16Test, RoundsTiesToEvenAndHoldsTheRangeEnds)
{
    EXPECT_EQ(RoundToInt16(GetParam().value), GetParam().expected);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundToInt16Test,
    ::testing::Values(RoundCase{"HalfToZero", 0.5, 0}, RoundCase{"OneAndHalfUp", 1.5, 2},
                      RoundCase{"TwoAndHalfDown", 2.5, 2}, RoundCase{"NegativeHalf", -0.5, 0},
                      RoundCase{"NegativeOneAndHalf", -1.5, -2},
                      RoundCase{"JustAboveHalf", 2.5000001, 3},
                      RoundCase{"TopTieWouldOverflow", 32767.5, 32767},
                      RoundCase{"BottomTieStaysInside", -32768.5, -32768},
                      RoundCase{"FarAbove", 1e300, 32767}, RoundCase{"FarBelow", -1e300, -32768},
                      RoundCase{"PlusInfinity", kInf, 32767},
                      RoundCase{"MinusInfinity", -kInf, -32768},
                      RoundCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), 0}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quorvane
