#pragma once

#include <string>
#include <string_view>

#include "plot/PictureReading.h"

namespace quorvane {

// On a spectrum the readout snaps to the highest bin drawn within this many
// pixels of the screen, so that a narrow line is easy to hit.
inline constexpr double kReadoutSnapPixels = 3.0;

// The readout's words in the class's language (UTF-8).
struct ReadoutWords {
    std::string_view noSignal = "no signal";
    std::string_view memory = "memory";
};

// What the readout says of a reading, one figure a line, written with the
// class's decimal sign: "0.262 s\n0.00"; "1000.5 Hz\n−4.9 dB\nmemory −3.4 dB".
// Signs are true minus signs, and a figure that shows as zero has none.
// A trace's value and a frequency as the readout writes them: "0.97", "74.0 Hz".
std::string ValueFigure(double value, std::string_view decimalPoint);
std::string HertzFigure(double hertz, std::string_view decimalPoint);

std::string TraceFigures(const TraceReading& reading, std::string_view decimalPoint);
std::string SpectrumFigures(const SpectrumReading& reading, std::string_view decimalPoint,
                            const ReadoutWords& words);

}  // namespace quorvane
