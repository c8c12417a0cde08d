// The page's way to what the pictures show: the readout under the pointer,
// the keyboard cursor with its peak keys, and each picture's description,
// for the window's pictures and the receiver's alike, as the desktop's
// ui/readout gives them.
#include <emscripten/emscripten.h>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/HelpTexts.h"
#include "app/MarkerLines.h"
#include "app/PictureCursor.h"
#include "app/PictureDescription.h"
#include "app/PicturePeaks.h"
#include "app/ReadoutText.h"
#include "app/ReceiverDesign.h"
#include "web/Page.h"
#include "web/PageJson.h"

namespace quorvane::web {
namespace {

constexpr std::array<std::pair<std::string_view, CursorKey>, 6> kCursorKeys{{
    {"ArrowLeft", CursorKey::left}, {"ArrowRight", CursorKey::right}, {"PageUp", CursorKey::pageUp},
    {"PageDown", CursorKey::pageDown}, {"Home", CursorKey::home}, {"End", CursorKey::end},
}};

// The readout snaps to the highest bin within three screen pixels.
float SnapAt(double zoom)
{
    return static_cast<float>(kReadoutSnapPixels * kTwipsPerPixel / zoom);
}

ReadoutWords PageReadoutWords()
{
    const Catalogue& c = page->catalogue;
    return {c.Translate("Readout", "no signal"), c.Translate("Readout", "memory")};
}

PictureWords PageWords()
{
    return TranslatedWords(
        [](std::string_view source) { return std::string(page->catalogue.Translate(kPictureWordsContext, source)); });
}

// What the readout says lies `x` twips along the inside of `picture`, shown
// `zoom` times its size.
std::string ReadingText(AnyPicture picture, float x, double zoom)
{
    const Reading reading = page->controller->ReadingAt(picture, x, SnapAt(zoom));
    if (const auto* trace = std::get_if<TraceReading>(&reading))
        return TraceFigures(*trace, page->decimalPoint);
    if (const auto* spectrum = std::get_if<SpectrumReading>(&reading))
        return SpectrumFigures(*spectrum, page->decimalPoint, PageReadoutWords());
    return {};
}

std::string Described(AnyPicture picture, double zoom)
{
    return DescribePicture(*page->controller, picture, SnapAt(zoom), page->decimalPoint, PageWords(),
                           PageReadoutWords());
}

// N and P put the cursor on the next peak to the right or left, D says what
// the picture shows, as on the desktop. Answers what to say instead of a
// reading: the description, or that no peak lies further.
std::optional<std::string> PeakKey(AnyPicture picture, std::string_view key, double zoom)
{
    if (key == "d")
        return Described(picture, zoom);
    const Controller& controller = *page->controller;
    const std::vector<Peak> peaks = FindPeaks(ReadAlong(controller, picture, SnapAt(zoom)), controller.LinearSpectra());
    const std::optional<float> now =
        page->cursorPicture == picture ? std::optional<float>(page->cursorTwips) : std::nullopt;
    const std::optional<float> place = PeakBeyond(peaks, now, key == "n");
    if (!place)
        return PageWords().noFurtherPeak;
    page->cursorTwips = *place;
    page->cursorPicture = picture;
    return std::nullopt;
}

}  // namespace

std::optional<AnyPicture> PictureNamed(const char* name)
{
    if (const auto picture = Named<Picture, 5>(name))
        return *picture;
    if (const auto picture = Named<ReceiverPicture, 2>(name))
        return *picture;
    return std::nullopt;
}

WebPicture& WebPictureOf(AnyPicture picture)
{
    if (const auto* window = std::get_if<Picture>(&picture))
        return *page->pictures[static_cast<std::size_t>(*window)];
    return *page->receiverPictures[static_cast<std::size_t>(std::get<ReceiverPicture>(picture))];
}

const ControlDesign& PictureDesign(AnyPicture picture)
{
    if (const auto* window = std::get_if<Picture>(&picture))
        return DesignOf(ControlName(*window));
    return ReceiverDesignOf(ControlName(std::get<ReceiverPicture>(picture)));
}

}  // namespace quorvane::web

using namespace quorvane;
using namespace quorvane::web;

extern "C" {

// What the readout says lies `x` twips along a picture's outer box, shown
// `zoom` times its size; empty where nothing is drawn.
EMSCRIPTEN_KEEPALIVE const char* qv_readout(const char* name, float x, double zoom)
{
    const auto picture = PictureNamed(name);
    page->reply = picture ? ReadingText(*picture, x - kPictureBorderWidth * kTwipsPerPixel, zoom) : "";
    return page->reply.c_str();
}

// The keyboard cursor on a picture, in the window or the receiver (whose
// line is in the receiver's twips): the browser's Left, Right, Page Up, Page
// Down, Home and End move it, Escape puts it away, and no key ('') leaves it
// where it stands; N, P and D find peaks and describe the picture. Answers
// whether the key was the cursor's and either what to say or, while the
// cursor is on the picture, its line and the reading there.
EMSCRIPTEN_KEEPALIVE const char* qv_cursor(const char* name, const char* keyName, double zoom)
{
    const auto picture = PictureNamed(name);
    const auto key = KeyNamed(kCursorKeys, keyName);
    const bool away = picture && page->cursorPicture == picture && std::string_view(keyName) == "Escape";
    const bool peakKey = picture && (std::string_view(keyName) == "n" || std::string_view(keyName) == "p" ||
                                     std::string_view(keyName) == "d");
    std::optional<std::string> say;
    if (!picture || away) {
        page->cursorPicture.reset();
    } else if (peakKey) {
        say = PeakKey(*picture, keyName, zoom);
    } else if (key) {
        const std::optional<float> now =
            page->cursorPicture == picture ? std::optional<float>(page->cursorTwips) : std::nullopt;
        page->cursorTwips = CursorAfter(now, *key, WebPictureOf(*picture).InnerWidth());
        page->cursorPicture = picture;
    }
    JsonWriter& json = page->json;
    json.Clear();
    json.BeginObject().Key("taken").Bool(picture && (key || away || peakKey));
    if (say) {
        json.Key("say").String(*say);
    } else if (picture && page->cursorPicture == picture) {
        json.Key("line");
        WriteLine(json, CursorLine(PictureDesign(*picture).box, page->cursorTwips));
        json.Key("reading").String(ReadingText(*picture, page->cursorTwips, zoom));
    }
    return Reply(json.EndObject());
}

// A picture's description: what it is, what it shows now, and its keys, with
// the guide's hint.
EMSCRIPTEN_KEEPALIVE const char* qv_description(const char* name, double zoom)
{
    const auto picture = PictureNamed(name);
    const ControlHelpText* help = HelpOf(name);
    page->reply = picture && help ? HelpDescription(*help, page->catalogue, Described(*picture, zoom)) : "";
    return page->reply.c_str();
}

}  // extern "C"
