// The page's way into the core: plain C functions the page's script calls
// with the controls' events, and which hand back pixels and texts. What each
// control does is the controller's (app/), the same the desktop window drives;
// this file is the page's side of it, as ui/window is the desktop's.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "app/Controller.h"
#include "app/PictureCursor.h"
#include "app/ReadoutText.h"
#include "app/WindowDesign.h"
#include "web/WebPicture.h"

namespace quorvane::web {
namespace {

// The page's controls as the controller sees them: their values, set by the
// page's events, and what the controller asks them to show. Each change
// raises what the same change raises on the desktop's widgets.
class WebPanel final : public ControlPanel {
public:
    Controller* controller = nullptr;
    std::array<int, 5> bars{};  // by Bar
    std::array<CheckState, 5> switches{};
    MessageType messageType = MessageType::sine;
    Scheme scheme = Scheme::dsbSc;
    PauseState pause = PauseState::running;
    std::array<std::string, 3> texts;  // by Box
    std::int32_t memoryColour = 0;
    std::int16_t markerX = 0;
    bool clockRunning = true;

    // The design's starting values, which raise nothing.
    WebPanel()
    {
        for (std::size_t i = 0; i < bars.size(); ++i)
            bars[i] = DesignOf(ControlName(static_cast<Bar>(i))).scroll.value;
        for (std::size_t i = 0; i < switches.size(); ++i)
            switches[i] = DesignOf(ControlName(static_cast<Switch>(i))).checked ? CheckState::checked
                                                                                : CheckState::unchecked;
        markerX = static_cast<std::int16_t>(ZeroMarkerDesigns()[0].x1);
    }

    // A bar let go, or moved, at `position`: the parameter bars' handlers run.
    void MoveBar(Bar bar, int position)
    {
        int& now = bars[static_cast<std::size_t>(bar)];
        if (now == position)
            return;
        now = position;
        controller->BarChanged(bar);
    }

    void Toggle(Switch which, bool on)
    {
        CheckState& now = switches[static_cast<std::size_t>(which)];
        const CheckState next = on ? CheckState::checked : CheckState::unchecked;
        if (now == next)
            return;
        now = next;
        controller->SwitchChanged(which);
    }

    // A choice from a list: the choice reaches the panel first; its handler
    // runs on every choice, as the desktop's click handler does.
    void ChooseFromList(List list, int index)
    {
        if (list == List::messageType && index >= 0 && index < static_cast<int>(kMessageTypes.size()))
            messageType = kMessageTypes[static_cast<std::size_t>(index)];
        else if (list == List::scheme && index >= 0 && index < static_cast<int>(kSchemes.size()))
            scheme = kSchemes[static_cast<std::size_t>(index)];
        else
            return;
        controller->ListChosen(list);
    }

    CheckState SwitchState(Switch which) const override { return switches[static_cast<std::size_t>(which)]; }
    MessageType ChosenMessageType() const override { return messageType; }
    Scheme ChosenScheme() const override { return scheme; }
    PauseState ShownPauseState() const override { return pause; }

    int BarPosition(Bar bar) const override { return bars[static_cast<std::size_t>(bar)]; }
    void SetBarPosition(Bar bar, int position) override { MoveBar(bar, position); }
    void SetSwitch(Switch which, bool on) override { Toggle(which, on); }
    void FillList(List list) override
    {
        if (list == List::messageType)
            messageType = kMessageTypes[0];
        else
            scheme = kSchemes[0];
        controller->ListChosen(list);
    }
    void Choose(MessageType type) override
    {
        if (type != messageType)
            ChooseFromList(List::messageType, static_cast<int>(type));
    }
    void Choose(Scheme next) override
    {
        if (next != scheme)
            ChooseFromList(List::scheme, static_cast<int>(next));
    }
    void ShowText(Box box, std::string_view text) override { texts[static_cast<std::size_t>(box)] = text; }
    void ShowPauseState(PauseState state) override { pause = state; }
    void ColourMemoryCaption(std::int32_t colour) override { memoryColour = colour; }
    void PlaceZeroMarkers(std::int16_t x) override { markerX = x; }
    bool FrameClockRunning() const override { return clockRunning; }
    void StartFrameClock() override { clockRunning = true; }
    void StopFrameClock() override { clockRunning = false; }
};

struct Page {
    WebPanel panel;
    std::array<std::unique_ptr<WebPicture>, 5> pictures;  // top to bottom
    std::unique_ptr<Controller> controller;
    std::string reply;
    std::string noSignal = "no signal";
    std::string memoryWord = "memory";
    std::string decimalPoint = ".";
    int cursorPicture = -1;  // the picture the keyboard cursor is on, if any
    float cursorTwips = 0;
};

Page* page = nullptr;

void Append(std::string& json, std::string_view text)
{
    json += '"';
    json += text;
    json += '"';
}

}  // namespace
}  // namespace quorvane::web

using namespace quorvane;
using namespace quorvane::web;

extern "C" {

// The window's state and pictures, and its start-up, as the desktop's. The
// controller writes the boxes' numbers with a point; the page shows them with
// its language's sign, which may change while the window runs.
EMSCRIPTEN_KEEPALIVE void qv_start()
{
    page = new Page();
    std::size_t next = 0;
    for (const ControlDesign& design : ControlDesigns()) {
        if (design.kind != ControlKind::PictureBox || next == page->pictures.size())
            continue;
        const TwipsBox& b = design.box;
        page->pictures[next++] = std::make_unique<WebPicture>(TwipsToPixels(b.left), TwipsToPixels(b.top),
                                                              TwipsToPixels(b.width), TwipsToPixels(b.height));
    }
    auto& p = page->pictures;
    page->controller =
        std::make_unique<Controller>(page->panel, FramePictures{*p[0], *p[1], *p[2], *p[3], *p[4]}, ".");
    page->panel.controller = page->controller.get();
    page->controller->StartUp();
}

// The design: the window, every control, the zero markers, the Tab order and
// the lists' keys.
EMSCRIPTEN_KEEPALIVE const char* qv_design()
{
    std::string& json = page->reply;
    const WindowDesign window = MainWindowDesign();
    json = "{\"window\":[" + std::to_string(window.clientWidth) + "," + std::to_string(window.clientHeight) + "," +
           std::to_string(window.frameInterval) + "],\"controls\":[";
    for (const ControlDesign& d : ControlDesigns()) {
        if (json.back() == '}')
            json += ",";
        json += "{\"name\":";
        Append(json, d.name);
        json += ",\"text\":";
        Append(json, d.text);
        const ScrollSettings& s = d.scroll;
        const int tenthsOfAPoint = static_cast<int>(PointSize(d.font) * 10);
        for (const int value : {static_cast<int>(d.kind), d.box.left, d.box.top, d.box.width, d.box.height,
                                tenthsOfAPoint, s.minimum, s.maximum, s.smallStep, s.largeStep, s.value,
                                s.tracking ? 1 : 0, d.checked ? 1 : 0, d.colour})
            json += (json.back() == ']' || json.back() == '"' ? ",\"numbers\":[" : ",") + std::to_string(value);
        json += "]}";
    }
    json += "],\"lines\":[";
    for (const LineDesign& line : ZeroMarkerDesigns())
        json += (json.back() == '[' ? "[" : ",[") + std::to_string(line.x1) + "," + std::to_string(line.y1) + "," +
                std::to_string(line.x2) + "," + std::to_string(line.y2) + "," + std::to_string(line.width) + "]";
    json += "],\"focus\":[";
    for (std::string_view name : FocusOrder()) {
        if (json.back() != '[')
            json += ",";
        Append(json, name);
    }
    json += "],\"types\":[";
    for (std::string_view key : kMessageTypeKeys) {
        if (json.back() != '[')
            json += ",";
        Append(json, key);
    }
    json += "],\"schemes\":[";
    for (std::string_view key : kSchemeKeys) {
        if (json.back() != '[')
            json += ",";
        Append(json, key);
    }
    json += "]}";
    return json.c_str();
}

// The page's events: a bar at a position, a switch on or off, a list's
// choice, Pause, a click on a spectrum, a guide's Set up link.
EMSCRIPTEN_KEEPALIVE void qv_bar(int bar, int position)
{
    if (bar >= 0 && bar < 5)
        page->panel.MoveBar(static_cast<Bar>(bar), position);
}

// A key on a bar, as the desktop's scroll bars take it: 0 Left, 1 Right,
// 2 Up, 3 Down, 4 Page Up, 5 Page Down, 6 Home, 7 End. Up and Page Up move
// towards the minimum, which a vertical bar has at its top; Left and Right
// go the way they point on a horizontal bar, the other way on a vertical one.
// Returns whether the key is the bar's.
EMSCRIPTEN_KEEPALIVE int qv_bar_key(int bar, int key)
{
    if (bar < 0 || bar >= 5 || key < 0 || key > 7)
        return 0;
    const ControlDesign& design = DesignOf(ControlName(static_cast<Bar>(bar)));
    const ScrollSettings& s = design.scroll;
    const int horizontal = design.kind == ControlKind::HScrollBar ? 1 : -1;
    const std::array<int, 6> steps{-horizontal * s.smallStep, horizontal * s.smallStep, -s.smallStep,
                                   s.smallStep, -s.largeStep, s.largeStep};
    const int now = page->panel.bars[static_cast<std::size_t>(bar)];
    const int next = key == 6 ? s.minimum : key == 7 ? s.maximum : now + steps[static_cast<std::size_t>(key)];
    page->panel.MoveBar(static_cast<Bar>(bar), std::clamp(next, s.minimum, s.maximum));
    return 1;
}

EMSCRIPTEN_KEEPALIVE void qv_switch(int which, int on)
{
    if (which >= 0 && which < 5)
        page->panel.Toggle(static_cast<Switch>(which), on != 0);
}

EMSCRIPTEN_KEEPALIVE void qv_list(int list, int index)
{
    page->panel.ChooseFromList(list == 0 ? List::messageType : List::scheme, index);
}

EMSCRIPTEN_KEEPALIVE void qv_pause()
{
    page->controller->TogglePause();
}

EMSCRIPTEN_KEEPALIVE void qv_spectrum_click()
{
    page->controller->RestartBothAverages();
}

EMSCRIPTEN_KEEPALIVE void qv_setup(int number)
{
    page->controller->SetUpExperiment(number);
}

// One frame at the clock's call; returns which pictures now look different,
// one bit each, top to bottom.
EMSCRIPTEN_KEEPALIVE int qv_frame()
{
    page->controller->Tick();
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

// What the page shows besides the pictures: the controls' values, the boxes'
// texts, the pause state's key, whether the clock runs, the zero markers'
// place in twips and the Memory caption's colour (0x00BBGGRR).
EMSCRIPTEN_KEEPALIVE const char* qv_state()
{
    const WebPanel& panel = page->panel;
    std::string& json = page->reply;
    json = "{\"texts\":[";
    for (std::string text : panel.texts) {
        if (const auto point = text.find('.'); point != std::string::npos)
            text.replace(point, 1, page->decimalPoint);
        if (json.back() != '[')
            json += ",";
        Append(json, text);
    }
    json += "],\"bars\":[";
    for (const int position : panel.bars)
        json += (json.back() == '[' ? "" : ",") + std::to_string(position);
    json += "],\"switches\":[";
    for (const CheckState state : panel.switches)
        json += (json.back() == '[' ? "" : ",") + std::to_string(state == CheckState::checked ? 1 : 0);
    json += "],\"choices\":[" + std::to_string(static_cast<int>(panel.messageType)) + "," +
            std::to_string(static_cast<int>(panel.scheme)) + "],\"pause\":";
    Append(json, Key(panel.pause));
    json += std::string(",\"running\":") + (panel.clockRunning ? "true" : "false") +
            ",\"marker\":" + std::to_string(panel.markerX) + ",\"memoryColour\":" + std::to_string(panel.memoryColour) +
            "}";
    return json.c_str();
}

// The page's language: its decimal sign and the readout's words (UTF-8).
EMSCRIPTEN_KEEPALIVE void qv_set_language(const char* decimalPoint, const char* noSignal, const char* memory)
{
    page->decimalPoint = decimalPoint;
    page->noSignal = noSignal;
    page->memoryWord = memory;
}

// What the readout says lies `x` twips along a picture shown `zoom` times its
// size; empty where nothing is drawn.
EMSCRIPTEN_KEEPALIVE const char* qv_readout(int picture, float x, double zoom)
{
    std::string& text = page->reply;
    text.clear();
    if (picture < 0 || picture >= 5)
        return text.c_str();
    const auto snap = static_cast<float>(kReadoutSnapPixels * kTwipsPerPixel / zoom);
    const Reading reading = page->controller->ReadingAt(static_cast<Picture>(picture), x, snap);
    if (const auto* trace = std::get_if<TraceReading>(&reading))
        text = TraceFigures(*trace, page->decimalPoint);
    else if (const auto* spectrum = std::get_if<SpectrumReading>(&reading))
        text = SpectrumFigures(*spectrum, page->decimalPoint, {page->noSignal, page->memoryWord});
    return text.c_str();
}

// The keyboard cursor on a picture: key 0 Left, 1 Right, 2 Page Up, 3 Page
// Down, 4 Home, 5 End move it; another (Escape, or the picture losing the
// focus) puts it away. Returns its place in twips, or -1 when it is away.
EMSCRIPTEN_KEEPALIVE float qv_cursor(int picture, int key)
{
    if (key < 0 || key > 5 || picture < 0 || picture >= 5) {
        page->cursorPicture = -1;
        return -1;
    }
    const std::optional<float> now =
        page->cursorPicture == picture ? std::optional<float>(page->cursorTwips) : std::nullopt;
    page->cursorPicture = picture;
    page->cursorTwips = CursorAfter(now, static_cast<CursorKey>(key),
                                    page->pictures[static_cast<std::size_t>(picture)]->InnerWidth());
    return page->cursorTwips;
}

}  // extern "C"
