#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// The numbers the boxes show, written with the class's decimal sign (UTF-8).

// A frequency parameter in hertz, cut (not rounded) to one decimal, with the
// sign's place kept as a leading space and no ".0": 0.265625 daHz -> " 2.6",
// 12.8 daHz -> " 128"; " 2,6" with a decimal comma.
std::string FrequencyText(double decahertz, std::string_view decimalPoint = ".");

// The number FrequencyText shows: the parameter in hertz, cut to one decimal.
double ShownHertz(double decahertz);

// The depth in its shortest exact form, no padding: "1", "1.2".
std::string DepthText(double depth, std::string_view decimalPoint = ".");

// A value with a fixed number of decimals, as printf's "%.*f" writes it.
std::string FixedText(double value, int decimals, std::string_view decimalPoint = ".");

// Reads a depth text back as DepthText wrote it; 0 if it holds none.
double DepthFromText(std::string_view text, std::string_view decimalPoint = ".");

}  // namespace quorvane
