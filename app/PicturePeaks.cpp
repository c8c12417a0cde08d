#include "app/PicturePeaks.h"

#include <algorithm>
#include <cmath>

#include "base/Twips.h"

namespace quorvane {
namespace {

constexpr double kClearDb = 3.0;
constexpr double kLogSpanDb = 40.0;
// A hundredth of the power.
constexpr double kLinearSpanDb = 20.0;
constexpr double kCrestClearShare = 0.1;

// Neighbouring places reading the same height: a line the readout snaps to
// over several pixels, or a sample read at two places.
struct Run {
    std::size_t first;
    std::size_t last;
    double height;
};

std::vector<Run> RunsOf(std::span<const PlaceReading> places)
{
    std::vector<Run> runs;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const double height = HeightOf(places[i].reading).value_or(-HUGE_VAL);
        if (!runs.empty() && runs.back().height == height)
            runs.back().last = i;
        else
            runs.push_back({i, i, height});
    }
    return runs;
}

// How far the heights fall from run j going one way, before they rise to its
// height again or the picture ends; nothing at the picture's edge.
double Fall(std::span<const Run> runs, std::size_t j, int direction)
{
    double lowest = runs[j].height;
    for (auto i = static_cast<std::ptrdiff_t>(j) + direction;
         i >= 0 && i < static_cast<std::ptrdiff_t>(runs.size()); i += direction) {
        const double height = runs[static_cast<std::size_t>(i)].height;
        if (height >= runs[j].height)
            return runs[j].height - lowest;
        lowest = std::min(lowest, height);
    }
    return runs[j].height - lowest;
}

}  // namespace

std::vector<PlaceReading> ReadAlong(const Controller& controller, AnyPicture picture, float snap)
{
    const auto pixel = static_cast<float>(kTwipsPerPixel);
    std::vector<PlaceReading> places;
    for (const Reading& reading : controller.ReadingsAcross(picture, snap))
        places.push_back({static_cast<float>(places.size()) * pixel, reading});
    return places;
}

std::optional<double> HeightOf(const Reading& reading)
{
    if (const auto* trace = std::get_if<TraceReading>(&reading))
        return trace->value;
    const auto* spectrum = std::get_if<SpectrumReading>(&reading);
    if (!spectrum)
        return std::nullopt;
    return spectrum->liveDb ? spectrum->liveDb : spectrum->memoryDb;
}

std::vector<Peak> FindPeaks(std::span<const PlaceReading> places, bool linear)
{
    const std::vector<Run> runs = RunsOf(places);
    double highest = -HUGE_VAL;
    double lowest = HUGE_VAL;
    for (const Run& run : runs)
        if (std::isfinite(run.height)) {
            highest = std::max(highest, run.height);
            lowest = std::min(lowest, run.height);
        }
    const bool spectrum = !places.empty() && std::holds_alternative<SpectrumReading>(places.front().reading);
    const double clear = spectrum ? kClearDb : kCrestClearShare * (highest - lowest);
    const double floor = spectrum ? highest - (linear ? kLinearSpanDb : kLogSpanDb) : -HUGE_VAL;
    std::vector<Peak> peaks;
    const auto standsClear = [&runs, clear](std::size_t j, int direction) {
        const double fall = Fall(runs, j, direction);
        return fall > 0 && fall >= clear;
    };
    for (std::size_t j = 0; j < runs.size(); ++j) {
        const Run& run = runs[j];
        if (std::isfinite(run.height) && run.height >= floor && standsClear(j, -1) && standsClear(j, +1))
            peaks.push_back({places[(run.first + run.last) / 2], run.height});
    }
    return peaks;
}

std::optional<float> PeakBeyond(std::span<const Peak> peaks, std::optional<float> cursor, bool right)
{
    if (right) {
        const auto next = std::find_if(peaks.begin(), peaks.end(),
                                       [cursor](const Peak& p) { return !cursor || p.place.x > *cursor; });
        return next == peaks.end() ? std::nullopt : std::optional(next->place.x);
    }
    const auto next = std::find_if(peaks.rbegin(), peaks.rend(),
                                   [cursor](const Peak& p) { return !cursor || p.place.x < *cursor; });
    return next == peaks.rend() ? std::nullopt : std::optional(next->place.x);
}

}  // namespace quorvane
