#include "app/NumberText.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/Units.h"

namespace quorvane {
namespace {

// 100 x 10.2 comes out a hair below 1020 in binary, which would show 102 Hz
// as 101.9. The allowance, a millionth of a tenth, is far below anything the
// cut is meant to drop (the finest step of the message frequency is 1/64).
constexpr double kCutAllowance = 1e-6;
constexpr double kTenthsOfHertzPerDecahertz = 10.0 * kHertzPerDecahertz;

#if defined(__cpp_lib_to_chars)
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

bool Read(const std::string& plain, double& value)
{
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    return error == std::errc() && end == plain.data() + plain.size();
}
#else
// A standard library without the floating-point forms of to_chars and
// from_chars (the WebAssembly toolchain's): the C library's, in the "C"
// locale such a program runs in, exact both ways. Shortest is the fewest
// significant digits that read back as the same number, as to_chars writes
// it for every number a box shows.
std::string Written(double value, std::string_view decimalPoint, std::chars_format = std::chars_format::general,
                    int precision = -1)
{
    std::array<char, 40> digits{};
    if (precision >= 0) {
        std::snprintf(digits.data(), digits.size(), "%.*f", precision, value);
    } else {
        for (int significant = 1; significant <= 17; ++significant) {
            std::snprintf(digits.data(), digits.size(), "%.*g", significant, value);
            if (std::strtod(digits.data(), nullptr) == value)
                break;
        }
    }
    std::string text(digits.data());
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalPoint);
    return text;
}

bool Read(const std::string& plain, double& value)
{
    char* end = nullptr;
    value = std::strtod(plain.c_str(), &end);
    return !plain.empty() && end == plain.c_str() + plain.size() && !std::isspace(static_cast<unsigned char>(plain[0]));
}
#endif

}  // namespace

double ShownHertz(double decahertz)
{
    return std::floor(kTenthsOfHertzPerDecahertz * decahertz + kCutAllowance) / 10.0;
}

std::string FrequencyText(double decahertz, std::string_view decimalPoint)
{
    const double shown = ShownHertz(decahertz);
    std::string number = Written(shown, decimalPoint, std::chars_format::fixed, 1);
    const std::string wholeSuffix = std::string(decimalPoint) + '0';
    if (number.ends_with(wholeSuffix))
        number.resize(number.size() - wholeSuffix.size());
    return shown < 0.0 ? number : ' ' + number;
}

std::string FixedText(double value, int decimals, std::string_view decimalPoint)
{
    return Written(value, decimalPoint, std::chars_format::fixed, decimals);
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
    return Read(plain, value) ? value : 0.0;
}

}  // namespace quorvane
