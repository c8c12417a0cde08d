#include "app/PictureDescription.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "app/PicturePeaks.h"
#include "app/ReceiverDesign.h"
#include "app/WindowDesign.h"

namespace quorvane {
namespace {

constexpr std::size_t kMostPeaks = 5;
// Crests come evenly when every gap lies this close to their mean: at the
// cursor's resolution a gap may be a sample longer or shorter.
constexpr double kEvenGapShare = 0.1;

std::string WithFigure(std::string text, std::string_view marker, std::string_view figure)
{
    if (const auto at = text.find(marker); at != std::string::npos)
        text.replace(at, marker.size(), figure);
    return text;
}

std::string OneLine(std::string text)
{
    for (auto at = text.find('\n'); at != std::string::npos; at = text.find('\n', at))
        text.replace(at, 1, ", ");
    return text;
}

std::string SpectrumWords(std::vector<Peak> peaks, std::string_view decimalPoint, const PictureWords& words,
                          const ReadoutWords& readoutWords)
{
    if (peaks.empty())
        return words.noPeak;
    std::stable_sort(peaks.begin(), peaks.end(), [](const Peak& a, const Peak& b) { return a.height > b.height; });
    std::string list;
    for (std::size_t i = 0; i < std::min(peaks.size(), kMostPeaks); ++i) {
        const auto& reading = std::get<SpectrumReading>(peaks[i].place.reading);
        list += (i ? "; " : "") + OneLine(SpectrumFigures(reading, decimalPoint, readoutWords));
    }
    return WithFigure(words.peaks, "%1", list);
}

// The frequency the crests give, where they come evenly.
std::optional<double> CrestFrequency(std::span<const Peak> crests)
{
    if (crests.size() < 2)
        return std::nullopt;
    const auto seconds = [&crests](std::size_t i) { return std::get<TraceReading>(crests[i].place.reading).seconds; };
    const double mean = (seconds(crests.size() - 1) - seconds(0)) / static_cast<double>(crests.size() - 1);
    for (std::size_t i = 1; i < crests.size(); ++i)
        if (!(std::abs(seconds(i) - seconds(i - 1) - mean) <= kEvenGapShare * mean))
            return std::nullopt;
    return 1.0 / mean;
}

std::string TraceWords(std::span<const PlaceReading> places, std::span<const Peak> crests,
                       std::string_view decimalPoint, const PictureWords& words)
{
    double highest = -HUGE_VAL;
    double lowest = HUGE_VAL;
    for (const PlaceReading& place : places)
        if (const auto height = HeightOf(place.reading)) {
            highest = std::max(highest, *height);
            lowest = std::min(lowest, *height);
        }
    const std::string size = ValueFigure(highest - lowest, decimalPoint);
    const std::optional<double> frequency = CrestFrequency(crests);
    if (!frequency)
        return WithFigure(words.size, "%1", size);
    return WithFigure(WithFigure(words.sizeAndFrequency, "%1", size), "%2", HertzFigure(*frequency, decimalPoint));
}

}  // namespace

PictureWords TranslatedWords(const std::function<std::string(std::string_view)>& translate)
{
    PictureWords words;
    for (std::string* text : {&words.hidden, &words.empty, &words.peaks, &words.noPeak, &words.size,
                              &words.sizeAndFrequency, &words.noFurtherPeak, &words.keys})
        *text = translate(*text);
    return words;
}

bool IsPicture(std::string_view control)
{
    constexpr std::array<AnyPicture, 7> kPictures{
        Picture::message,   Picture::messageSpectrum,   Picture::carrier,
        Picture::modulated, Picture::modulatedSpectrum, ReceiverPicture::receivedSignal,
        ReceiverPicture::recoveredMessage};
    return std::any_of(kPictures.begin(), kPictures.end(), [control](AnyPicture p) {
        return std::visit([](auto which) { return ControlName(which); }, p) == control;
    });
}

std::string PictureHelp(std::string_view what, std::string_view shown, std::string_view keys)
{
    std::string help(what);
    for (std::string_view line : {shown, keys})
        if (!line.empty())
            help.append("\n").append(line);
    return help;
}

std::string DescribePicture(const Controller& controller, AnyPicture picture, float snap,
                            std::string_view decimalPoint, const PictureWords& words,
                            const ReadoutWords& readoutWords)
{
    if (!controller.Drawn(picture))
        return words.hidden;
    const std::vector<PlaceReading> places = ReadAlong(controller, picture, snap);
    if (std::none_of(places.begin(), places.end(), [](const PlaceReading& p) { return HeightOf(p.reading).has_value(); }))
        return words.empty;
    std::vector<Peak> peaks = FindPeaks(places, controller.LinearSpectra());
    if (std::holds_alternative<SpectrumReading>(places.front().reading))
        return SpectrumWords(std::move(peaks), decimalPoint, words, readoutWords);
    return TraceWords(places, peaks, decimalPoint, words);
}

}  // namespace quorvane
