#include "app/ReadoutText.h"

#include <cmath>

#include "app/NumberText.h"

namespace quorvane {
namespace {

constexpr std::string_view kMinus = "\u2212";

std::string Figure(double value, int decimals, std::string_view decimalPoint)
{
    if (std::isinf(value))
        return std::string(value < 0 ? kMinus : "") + "\u221E";
    const std::string digits = FixedText(std::abs(value), decimals, decimalPoint);
    const bool showsZero = digits == FixedText(0.0, decimals, decimalPoint);
    return value < 0 && !showsZero ? std::string(kMinus) + digits : digits;
}

// A bin this far below the highest holds only the rounding left of a zero,
// a level no figure describes.
constexpr double kNoSignalDb = -200.0;

std::string Decibels(double level, std::string_view decimalPoint, const ReadoutWords& words)
{
    if (level < kNoSignalDb)
        return std::string(words.noSignal);
    return Figure(level, 1, decimalPoint) + " dB";
}

}  // namespace

std::string ValueFigure(double value, std::string_view decimalPoint)
{
    return Figure(value, 2, decimalPoint);
}

std::string HertzFigure(double hertz, std::string_view decimalPoint)
{
    return Figure(hertz, 1, decimalPoint) + " Hz";
}

std::string TraceFigures(const TraceReading& reading, std::string_view decimalPoint)
{
    return Figure(reading.seconds, 3, decimalPoint) + " s\n" + ValueFigure(reading.value, decimalPoint);
}

std::string SpectrumFigures(const SpectrumReading& reading, std::string_view decimalPoint,
                            const ReadoutWords& words)
{
    std::string text = HertzFigure(reading.hertz, decimalPoint);
    if (reading.liveDb)
        text += "\n" + Decibels(*reading.liveDb, decimalPoint, words);
    if (reading.memoryDb)
        text += "\n" + std::string(words.memory) + " " + Decibels(*reading.memoryDb, decimalPoint, words);
    return text;
}

}  // namespace quorvane
