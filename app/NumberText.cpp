#include "app/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace quorvane {
namespace {

// 100 x 10.2 comes out a hair below 1020 in binary, which would show 102 Hz
// as 101.9. The allowance, a millionth of a tenth, is far below anything the
// cut is meant to drop (the finest step of the message frequency is 1/64).
constexpr double kCutAllowance = 1e-6;

template <typename... Format>
std::string Written(double value, std::string_view decimalPoint, Format... format)
{
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value, format...).ptr;
    std::string text(digits.data(), end);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalPoint);
    return text;
}

}  // namespace

double ShownFrequency(double parameter)
{
    return std::floor(100.0 * parameter + kCutAllowance) / 10.0;
}

std::string FrequencyText(double parameter, std::string_view decimalPoint)
{
    const double shown = ShownFrequency(parameter);
    std::string number = Written(shown, decimalPoint, std::chars_format::fixed, 1);
    const std::string wholeSuffix = std::string(decimalPoint) + '0';
    if (number.ends_with(wholeSuffix))
        number.resize(number.size() - wholeSuffix.size());
    return shown < 0.0 ? number : ' ' + number;
}

std::string DepthText(double depth, std::string_view decimalPoint)
{
    return Written(depth, decimalPoint);
}

double DepthFromText(std::string_view text, std::string_view decimalPoint)
{
    std::string plain(text);
    if (const auto point = plain.find(decimalPoint); point != std::string::npos && !decimalPoint.empty())
        plain.replace(point, decimalPoint.size(), ".");
    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    return error == std::errc() && end == plain.data() + plain.size() ? value : 0.0;
}

}  // namespace quorvane
