// The page's way into the core: plain C functions the page's script calls
// with the controls' events, and which hand back pixels and texts. What each
// control does is decided here, in C++, never in the script.
//
// Until the window's behaviour has a Qt-free layer of its own, the handlers
// below follow the desktop window's one for one.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

#include "engine/ControlTexts.h"
#include "engine/FrameCycle.h"
#include "plot/Readout.h"
#include "plot/TraceColours.h"
#include "ui/Experiments.h"
#include "ui/FormLayout.h"
#include "web/WebPicture.h"

namespace quorvane::web {
namespace {

constexpr int kStartFrequencyPosition = 32;
constexpr int kStartDepthPosition = 5;

// The page's controls as the core reads them at the moment of use; the
// script sets them as the user changes them.
class PageControls final : public FormControls {
public:
    std::array<int, 5> checks{};                  // by CheckId
    std::array<std::int16_t, 2> scrolls{0, 1};    // by ScrollId
    std::array<std::string_view, 2> lists{};      // by ListId
    std::string_view pause = kRunningCaption;

    int CheckValue(CheckId check) const override { return checks[static_cast<std::size_t>(check)]; }
    std::int16_t ScrollValue(ScrollId scroll) const override
    {
        return scrolls[static_cast<std::size_t>(scroll)];
    }
    std::string_view ListText(ListId list) const override { return lists[static_cast<std::size_t>(list)]; }
    std::string_view PauseCaption() const override { return pause; }
};

enum Bar { kMessageBar, kCarrierBar, kDepthBar, kScrollBar, kZoomBar };

struct Page {
    SignalState state;
    FrameMemo memo;
    NoiseSource noise;
    PageControls controls;
    std::array<std::unique_ptr<WebPicture>, 5> pictures;  // data, spectrum 0, carrier, modulated, spectrum 1
    std::array<int, 3> positions{};                       // message, carrier, depth bars
    std::array<int, 2> choices{};                         // the two lists' indices
    bool ticking = false;
    bool clockRunning = true;
    char separator = '.';
    std::int16_t markerX = 0;
    std::string reply;
    std::string noSignal = "no signal";
    std::string memoryWord = "memory";
    int cursorPicture = -1;  // the picture the keyboard cursor is on, if any
    float cursorTwips = 0;
};

Page* page = nullptr;

double DataFrequency(int position) { return position / 64.0; }
double CarrierFrequency(int position) { return position / 5.0; }
double Depth(int position) { return (10 - position) / 5.0; }

std::string WithSeparator(std::string text, char separator)
{
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

// Ten times the parameter, cut to one decimal; ".0" dropped, a space for the sign.
std::string FrequencyText(double parameter, char separator)
{
    const double shown = std::floor(100.0 * parameter + 1e-6) / 10.0;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", shown);
    std::string number = buffer;
    if (number.size() > 2 && number.compare(number.size() - 2, 2, ".0") == 0)
        number.resize(number.size() - 2);
    return WithSeparator(shown < 0.0 ? number : " " + number, separator);
}

// The shortest text that reads back as the same depth.
std::string DepthText(double depth, char separator)
{
    char buffer[32];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, depth);
        if (std::strtod(buffer, nullptr) == depth)
            break;
    }
    return WithSeparator(buffer, separator);
}

void AppendControl(std::string& json, const ControlDesign& design)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer,
                  "{\"name\":\"%.*s\",\"kind\":%d,\"box\":[%d,%d,%d,%d],\"text\":\"%.*s\",\"font\":%d,"
                  "\"scroll\":[%d,%d,%d,%d,%d,%d],\"checked\":%d,\"colour\":%d}",
                  static_cast<int>(design.name.size()), design.name.data(), static_cast<int>(design.kind),
                  design.box.left, design.box.top, design.box.width, design.box.height,
                  static_cast<int>(design.text.size()), design.text.data(), static_cast<int>(design.font),
                  design.scroll.minimum, design.scroll.maximum, design.scroll.smallStep,
                  design.scroll.largeStep, design.scroll.value, design.scroll.tracking ? 1 : 0,
                  design.checked ? 1 : 0, design.colour);
    json += buffer;
}

// Signed with a true minus, none on a value that shows as zero; the
// language's decimal separator.
std::string Number(double value, int decimals, char separator)
{
    if (std::isinf(value))
        return value < 0 ? "\u2212\u221E" : "\u221E";
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.*f", decimals, std::abs(value));
    char zero[64];
    std::snprintf(zero, sizeof zero, "%.*f", decimals, 0.0);
    const bool showsZero = std::string_view(digits) == zero;
    return WithSeparator((value < 0 && !showsZero ? "\u2212" : "") + std::string(digits), separator);
}

// A bin this far below the highest holds only the rounding left of a zero.
constexpr double kNoSignalDb = -200.0;
// The readout snaps to the highest bin within this many screen pixels.
constexpr double kSnapPixels = 3.0;

std::string Decibels(double level)
{
    if (level < kNoSignalDb)
        return page->noSignal;
    return Number(level, 1, page->separator) + " dB";
}

FormPictures Pictures()
{
    auto& p = page->pictures;
    return FormPictures{*p[0], {p[1].get(), p[4].get()}, *p[2], *p[3]};
}

void RestartAverages(bool messageToo)
{
    ResetSpectra(page->state, messageToo);
}

}  // namespace
}  // namespace quorvane::web

using namespace quorvane;
using namespace quorvane::web;

extern "C" {

EMSCRIPTEN_KEEPALIVE void qv_bar(int bar, int position);
EMSCRIPTEN_KEEPALIVE void qv_check(int check, int value);
EMSCRIPTEN_KEEPALIVE void qv_list(int list, int index);
EMSCRIPTEN_KEEPALIVE void qv_pause();

// Builds the window's state and pictures and runs the start-up: the lists at
// their first choice and the bars at their starting positions, each through
// its handler, as the desktop does.
EMSCRIPTEN_KEEPALIVE void qv_start()
{
    page = new Page();
    std::size_t next = 0;
    for (const ControlDesign& design : FormControlsDesign()) {
        if (design.kind == ControlKind::PictureBox && next < page->pictures.size()) {
            const TwipsBox& b = design.box;
            page->pictures[next++] = std::make_unique<WebPicture>(
                TwipsToPixels(b.left), TwipsToPixels(b.top), TwipsToPixels(b.width), TwipsToPixels(b.height));
        }
        if (design.kind == ControlKind::CheckBox || design.kind == ControlKind::ButtonCheckBox) {
            static constexpr std::string_view kChecks[] = {"chkLinear", "chkTwoSides", "chkMemory", "chkPassband",
                                                           "chkSpectrum"};
            for (std::size_t i = 0; i < 5; ++i)
                if (design.name == kChecks[i])
                    page->controls.checks[i] = design.checked ? kChecked : kUnchecked;
        }
    }
    page->markerX = static_cast<std::int16_t>(FormLines()[0].x1);
    page->state.iDataSpectrums = 0;
    page->state.iModSpectrums = 0;
    ClearBuffers(page->state);
    page->controls.lists = {kMessageTypes[0], kSchemes[0]};
    qv_bar(kMessageBar, kStartFrequencyPosition);
    qv_bar(kCarrierBar, kStartFrequencyPosition);
    qv_bar(kDepthBar, kStartDepthPosition);
}

// The design: the window, every control, the zero markers and the Tab order.
EMSCRIPTEN_KEEPALIVE const char* qv_design()
{
    std::string& json = page->reply;
    const WindowDesign window = FormWindow();
    json = "{\"window\":[" + std::to_string(window.clientWidth) + "," + std::to_string(window.clientHeight) + "," +
           std::to_string(window.timerInterval) + "],\"controls\":[";
    bool first = true;
    for (const ControlDesign& design : FormControlsDesign()) {
        if (!first)
            json += ",";
        first = false;
        AppendControl(json, design);
    }
    json += "],\"lines\":[";
    first = true;
    for (const LineDesign& line : FormLines()) {
        json += (first ? "[" : ",[") + std::to_string(line.x1) + "," + std::to_string(line.y1) + "," +
                std::to_string(line.x2) + "," + std::to_string(line.y2) + "," + std::to_string(line.width) + "]";
        first = false;
    }
    json += "],\"focus\":[";
    first = true;
    for (std::string_view name : FormFocusOrder()) {
        json += (first ? "\"" : ",\"") + std::string(name) + "\"";
        first = false;
    }
    json += "],\"types\":[";
    for (std::size_t i = 0; i < kMessageTypes.size(); ++i)
        json += (i ? ",\"" : "\"") + std::string(kMessageTypes[i]) + "\"";
    json += "],\"schemes\":[";
    for (std::size_t i = 0; i < kSchemes.size(); ++i)
        json += (i ? ",\"" : "\"") + std::string(kSchemes[i]) + "\"";
    json += "]}";
    return json.c_str();
}

EMSCRIPTEN_KEEPALIVE void qv_set_separator(int separator)
{
    page->separator = static_cast<char>(separator);
}

// A bar moved to `position`: the three parameter bars set their parameter and
// restart the averages it feeds; the time bars are only read when drawing.
EMSCRIPTEN_KEEPALIVE void qv_bar(int bar, int position)
{
    switch (bar) {
        case kMessageBar:
            page->positions[0] = position;
            page->state.dDataFreq = DataFrequency(position);
            RestartAverages(true);
            break;
        case kCarrierBar:
            page->positions[1] = position;
            page->state.dCarrierFreq = CarrierFrequency(position);
            RestartAverages(false);
            break;
        case kDepthBar:
            page->positions[2] = position;
            page->state.dDepth = Depth(position);
            RestartAverages(false);
            break;
        case kScrollBar: page->controls.scrolls[0] = static_cast<std::int16_t>(position); break;
        case kZoomBar: page->controls.scrolls[1] = static_cast<std::int16_t>(position); break;
        default: break;
    }
}

// A switch set to `value` (0, 1): two-sided moves the zero markers, linear
// restarts both averages; the rest are read when drawing.
EMSCRIPTEN_KEEPALIVE void qv_check(int check, int value)
{
    if (check < 0 || check >= 5)
        return;
    page->controls.checks[static_cast<std::size_t>(check)] = value;
    switch (static_cast<CheckId>(check)) {
        case CheckId::chkTwoSides: {
            const WebPicture& spectrum = *page->pictures[1];
            const float x = value == kChecked ? spectrum.Left() + spectrum.Width() / 2.0f : spectrum.Left();
            page->markerX = static_cast<std::int16_t>(std::lrint(x));
            break;
        }
        case CheckId::chkLinear: RestartAverages(true); break;
        default: break;
    }
}

// A list choice: the message type restarts both averages, the scheme the
// modulated one.
EMSCRIPTEN_KEEPALIVE void qv_list(int list, int index)
{
    if (list == 0 && index >= 0 && index < static_cast<int>(kMessageTypes.size())) {
        page->choices[0] = index;
        page->controls.lists[0] = kMessageTypes[static_cast<std::size_t>(index)];
        RestartAverages(true);
    } else if (list == 1 && index >= 0 && index < static_cast<int>(kSchemes.size())) {
        page->choices[1] = index;
        page->controls.lists[1] = kSchemes[static_cast<std::size_t>(index)];
        RestartAverages(false);
    }
}

// Pause stops the clock and reads "Cont"; Cont starts it again.
EMSCRIPTEN_KEEPALIVE void qv_pause()
{
    if (!page->clockRunning) {
        page->clockRunning = true;
        page->controls.pause = kRunningCaption;
    } else if (page->controls.pause == kRunningCaption) {
        page->clockRunning = false;
        page->controls.pause = kPausedCaption;
    }
}

// A click on either spectrum restarts both averages.
EMSCRIPTEN_KEEPALIVE void qv_picture_click(int)
{
    RestartAverages(true);
}

// A guide's "Set up" link: every control the experiment names set as a user
// would set it, each list chosen as a click chooses (restarting its averages
// even where the choice stays), and the display running.
EMSCRIPTEN_KEEPALIVE void qv_setup(int number)
{
    const auto experiment = FindExperiment(number);
    if (!experiment)
        return;
    const auto index = [](const auto& keys, std::string_view key) {
        return static_cast<int>(std::find(keys.begin(), keys.end(), key) - keys.begin());
    };
    const auto check = [](CheckId id, bool on) {
        const int value = on ? kChecked : kUnchecked;
        if (page->controls.checks[static_cast<std::size_t>(id)] != value)
            qv_check(static_cast<int>(id), value);
    };
    const auto bar = [](int id, int position) {
        const int now = id < 3 ? page->positions[static_cast<std::size_t>(id)]
                               : page->controls.scrolls[static_cast<std::size_t>(id - 3)];
        if (now != position)
            qv_bar(id, position);
    };
    check(CheckId::chkMemory, false);
    qv_list(0, index(kMessageTypes, experiment->messageType));
    qv_list(1, index(kSchemes, experiment->scheme));
    bar(kMessageBar, experiment->messagePosition);
    bar(kCarrierBar, experiment->carrierPosition);
    bar(kDepthBar, experiment->depthPosition);
    check(CheckId::chkPassband, experiment->modulatedTrace);
    check(CheckId::chkSpectrum, experiment->modulatedSpectrum);
    check(CheckId::chkLinear, experiment->linear);
    check(CheckId::chkTwoSides, false);
    bar(kZoomBar, 1);
    bar(kScrollBar, 0);
    if (page->controls.pause != kRunningCaption)
        qv_pause();
}

// The words the readout uses, in the page's language.
EMSCRIPTEN_KEEPALIVE void qv_set_words(const char* noSignal, const char* memory)
{
    page->noSignal = noSignal;
    page->memoryWord = memory;
}

// What lies under place x (twips) of a picture shown `zoom` times its size:
// time and value on a trace, frequency and levels on a spectrum; empty where
// nothing is drawn.
EMSCRIPTEN_KEEPALIVE const char* qv_readout(int picture, float x, double zoom)
{
    std::string& text = page->reply;
    text.clear();
    if (picture < 0 || picture >= 5)
        return text.c_str();
    const WebPicture& surface = *page->pictures[static_cast<std::size_t>(picture)];
    const SignalState& s = page->state;
    const auto& checks = page->controls.checks;
    const auto checked = [&](CheckId id) { return checks[static_cast<std::size_t>(id)] == kChecked; };
    if (picture == 1 || picture == 4) {
        const bool modulated = picture == 4;
        const SpectrumView view{modulated ? std::span<const double>(s.dModSpectrum) : s.dDataSpectrum,
                                modulated ? std::span<const double>(s.dModSpectrumMem) : s.dDataSpectrumMem,
                                !modulated || checked(CheckId::chkSpectrum),
                                (modulated ? s.bModMemory : s.bDataMemory) != kFalse,
                                checked(CheckId::chkLinear),
                                checked(CheckId::chkTwoSides),
                                surface.ScaleWidth()};
        const auto snap = static_cast<float>(kSnapPixels * kTwipsPerPixel / zoom);
        const SpectrumReading reading = ReadSpectrum(view, x, snap);
        text = Number(reading.hertz, 1, page->separator) + " Hz";
        if (reading.liveDb)
            text += "\n" + Decibels(*reading.liveDb);
        if (reading.memoryDb)
            text += "\n" + page->memoryWord + " " + Decibels(*reading.memoryDb);
        return text.c_str();
    }
    const SampleBuffer* trace = picture == 0   ? &s.dDataSignal
                                : picture == 2 ? &s.dCarrierSignal
                                : checked(CheckId::chkPassband) ? &s.dModSignal
                                                                : nullptr;
    if (!trace)
        return text.c_str();
    const auto reading = ReadTrace(*trace, x, surface.ScaleWidth(), page->controls.scrolls[1], page->controls.scrolls[0]);
    if (reading)
        text = Number(reading->seconds, 3, page->separator) + " s\n" + Number(reading->value, 2, page->separator);
    return text.c_str();
}

// The keyboard cursor on a picture: key 0 Left, 1 Right, 2 Page Up, 3 Page
// Down, 4 Home, 5 End step it a pixel, a tenth of the width or to an end (it
// first appears in the middle, or at the end named); 6 Escape, or -1 (the
// picture lost the focus), puts it away. Returns its place in twips, or -1
// when it is away or the key is not the cursor's.
EMSCRIPTEN_KEEPALIVE float qv_cursor(int picture, int key)
{
    if (key < 0 || key == 6 || picture < 0 || picture >= 5) {
        page->cursorPicture = -1;
        return -1;
    }
    const float width = page->pictures[static_cast<std::size_t>(picture)]->ScaleWidth();
    const auto pixel = static_cast<float>(kTwipsPerPixel);
    const float last = width - pixel;
    const float step = std::max(pixel, std::floor(width / 10 / pixel) * pixel);
    const bool shown = page->cursorPicture == picture;
    const float at = shown ? page->cursorTwips : std::floor(last / 2 / pixel) * pixel;
    float next = at;
    switch (key) {
        case 0: next = shown ? at - pixel : at; break;
        case 1: next = shown ? at + pixel : at; break;
        case 2: next = shown ? at - step : at; break;
        case 3: next = shown ? at + step : at; break;
        case 4: next = 0.0f; break;
        case 5: next = last; break;
        default: return -1;
    }
    page->cursorPicture = picture;
    page->cursorTwips = std::clamp(next, 0.0f, last);
    return page->cursorTwips;
}

// One frame; returns which pictures now look different, one bit each.
EMSCRIPTEN_KEEPALIVE int qv_frame()
{
    if (page->ticking)
        return 0;
    page->ticking = true;
    try {
        Timer1_Timer(page->state, page->controls, Pictures(), page->noise, &page->memo);
    } catch (const std::exception&) {
        // Abandoned where it failed, as on the desktop; the next frame starts afresh.
    }
    page->ticking = false;
    int changed = 0;
    for (std::size_t i = 0; i < page->pictures.size(); ++i)
        if (page->pictures[i]->Compose())
            changed |= 1 << i;
    return changed;
}

EMSCRIPTEN_KEEPALIVE const std::uint8_t* qv_pixels(int picture)
{
    return page->pictures[static_cast<std::size_t>(picture)]->Rgba();
}

// What the page shows besides the pictures, after any event: the three
// boxes' texts, the pause caption's key, whether the clock runs, the zero
// markers' place in twips and the Memory caption's colour (0x00BBGGRR).
EMSCRIPTEN_KEEPALIVE const char* qv_state()
{
    const int memory = page->controls.checks[static_cast<std::size_t>(CheckId::chkMemory)];
    static std::int32_t memoryColour = 0;
    if (memory == kChecked)
        memoryColour = kMemoryColour;
    else if (memory == kUnchecked)
        memoryColour = 0;
    std::string& json = page->reply;
    json = "{\"texts\":[\"" + FrequencyText(page->state.dDataFreq, page->separator) + "\",\"" +
           FrequencyText(page->state.dCarrierFreq, page->separator) + "\",\"" +
           DepthText(page->state.dDepth, page->separator) + "\"],\"pause\":\"" + std::string(page->controls.pause) +
           "\",\"running\":" + (page->clockRunning ? "true" : "false") +
           ",\"marker\":" + std::to_string(page->markerX) + ",\"memoryColour\":" + std::to_string(memoryColour) +
           ",\"positions\":[" + std::to_string(page->positions[0]) + "," + std::to_string(page->positions[1]) + "," +
           std::to_string(page->positions[2]) + "],\"choices\":[" + std::to_string(page->choices[0]) + "," +
           std::to_string(page->choices[1]) + "],\"checks\":[";
    for (std::size_t i = 0; i < page->controls.checks.size(); ++i)
        json += (i ? "," : "") + std::to_string(page->controls.checks[i]);
    json += "],\"scrolls\":[" + std::to_string(page->controls.scrolls[0]) + "," +
            std::to_string(page->controls.scrolls[1]) + "]}";
    return json.c_str();
}

}  // extern "C"
