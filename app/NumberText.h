#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// The numbers the boxes show, written with the class's decimal sign (UTF-8).

// Ten times a frequency parameter, cut (not rounded) to one decimal, with the
// sign's place kept as a leading space and no ".0": 0.265625 -> " 2.6",
// 12.8 -> " 128"; " 2,6" with a decimal comma.
std::string FrequencyText(double parameter, std::string_view decimalPoint = ".");

// The number FrequencyText shows: ten times the parameter, cut to one decimal.
double ShownFrequency(double parameter);

// The depth in its shortest exact form, no padding: "1", "1.2".
std::string DepthText(double depth, std::string_view decimalPoint = ".");

// A value with a fixed number of decimals, as printf's "%.*f" writes it.
std::string FixedText(double value, int decimals, std::string_view decimalPoint = ".");

// Reads a depth text back as DepthText wrote it; 0 if it holds none.
double DepthFromText(std::string_view text, std::string_view decimalPoint = ".");

}  // namespace quorvane
