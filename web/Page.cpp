// The page's way into the core: plain C functions the page's script calls
// with the controls' events, by the controls' names, and which hand back
// pixels and, as JSON, the design, texts and state. What each control does,
// what each text says and where each line stands is the core's (app/), the
// same the desktop window drives; this file is the page's side of it, as
// ui/window is the desktop's.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/BarKeys.h"
#include "app/CaptionFit.h"
#include "app/Controller.h"
#include "app/Experiments.h"
#include "app/ReceiverDesign.h"
#include "app/ZoomSteps.h"
#include "web/Page.h"
#include "web/PageCaptionMeasure.h"
#include "web/PageJson.h"

namespace quorvane::web {
namespace {

constexpr std::array<std::pair<std::string_view, BarKey>, 8> kBarKeys{{
    {"ArrowLeft", BarKey::left}, {"ArrowRight", BarKey::right}, {"ArrowUp", BarKey::up},
    {"ArrowDown", BarKey::down}, {"PageUp", BarKey::pageUp}, {"PageDown", BarKey::pageDown},
    {"Home", BarKey::home}, {"End", BarKey::end},
}};

std::unique_ptr<WebPicture> PictureOf(const ControlDesign& design)
{
    const TwipsBox& b = design.box;
    return std::make_unique<WebPicture>(TwipsToPixels(b.left), TwipsToPixels(b.width), TwipsToPixels(b.height));
}

// Every picture shown, composed for the page to ask which changed.
void ComposePictures()
{
    for (auto& picture : page->pictures)
        picture->Compose();
    if (page->controller->ReceiverOpen())
        for (auto& picture : page->receiverPictures)
            picture->Compose();
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
    for (std::size_t i = 0; i < page->pictures.size(); ++i)
        page->pictures[i] = PictureOf(DesignOf(ControlName(static_cast<Picture>(i))));
    for (std::size_t i = 0; i < page->receiverPictures.size(); ++i)
        page->receiverPictures[i] = PictureOf(ReceiverDesignOf(ControlName(static_cast<ReceiverPicture>(i))));
    auto& p = page->pictures;
    page->controller =
        std::make_unique<Controller>(page->panel, FramePictures{*p[0], *p[1], *p[2], *p[3], *p[4]}, ".");
    page->panel.controller = page->controller.get();
    page->receiverPanel.controller = page->controller.get();
    page->controller->StartUp();
}

EMSCRIPTEN_KEEPALIVE const char* qv_design()
{
    page->json.Clear();
    WriteDesign(page->json);
    return Reply(page->json);
}

// The page's language: the catalogue's translations handed over one by one
// after a clear, and the language's decimal sign (UTF-8).
EMSCRIPTEN_KEEPALIVE void qv_clear_translations()
{
    page->catalogue.Clear();
}

EMSCRIPTEN_KEEPALIVE void qv_translation(const char* context, const char* source, const char* translation)
{
    page->catalogue.Add(context, source, translation);
}

EMSCRIPTEN_KEEPALIVE void qv_decimal_point(const char* sign)
{
    page->decimalPoint = sign;
}

EMSCRIPTEN_KEEPALIVE const char* qv_texts()
{
    page->json.Clear();
    WriteTexts(page->json, page->catalogue, page->controller && page->controller->ColourBlind());
    return Reply(page->json);
}

EMSCRIPTEN_KEEPALIVE const char* qv_state()
{
    page->json.Clear();
    WriteState(page->json, page->panel, page->catalogue, page->decimalPoint);
    return Reply(page->json);
}

// The page's events, each by the control's name: a bar at a position, a key
// on a bar (by the browser's name of it; returns whether the bar takes it), a
// switch on or off, a list's choice, Pause, a click on a picture, a guide's
// Set up link.
EMSCRIPTEN_KEEPALIVE void qv_bar(const char* name, int position)
{
    if (const auto bar = Named<Bar, 5>(name))
        page->panel.MoveBar(*bar, position);
}

EMSCRIPTEN_KEEPALIVE int qv_bar_key(const char* name, const char* keyName)
{
    const auto bar = Named<Bar, 5>(name);
    const auto key = KeyNamed(kBarKeys, keyName);
    if (!bar || !key)
        return 0;
    const ControlDesign& design = DesignOf(ControlName(*bar));
    const bool horizontal = design.kind == ControlKind::HScrollBar;
    page->panel.MoveBar(*bar, PositionAfterKey(design.scroll, horizontal, page->panel.BarPosition(*bar), *key));
    return 1;
}

EMSCRIPTEN_KEEPALIVE void qv_switch(const char* name, int on)
{
    if (const auto which = Named<Switch, 5>(name))
        page->panel.Toggle(*which, on != 0);
}

EMSCRIPTEN_KEEPALIVE void qv_list(const char* name, int index)
{
    if (const auto list = Named<List, 2>(name))
        page->panel.ChooseFromList(*list, index);
}

EMSCRIPTEN_KEEPALIVE void qv_pause()
{
    page->controller->TogglePause();
}

EMSCRIPTEN_KEEPALIVE void qv_picture_click(const char* name)
{
    if (const auto picture = Named<Picture, 5>(name))
        page->controller->PictureClicked(*picture);
}

// Whether the guide's experiment `number` sets up the receiver too, which the
// page then opens before it sets the experiment up, as the desktop does.
EMSCRIPTEN_KEEPALIVE int qv_setup_opens_receiver(int number)
{
    const std::optional<Experiment> experiment = FindExperiment(number);
    return experiment && experiment->receiver ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void qv_setup(int number)
{
    page->controller->SetUpExperiment(number);
}

// Every control's type size, in points at 100 %, by the desktop's rule over
// the widths the page measures at its present zoom.
EMSCRIPTEN_KEEPALIVE const char* qv_plan_captions()
{
    PageCaptionMeasure measure(page->catalogue);
    const CaptionPlan plan = PlanCaptions(ControlDesigns(), measure);
    JsonWriter& json = page->json;
    json.Clear();
    json.BeginObject();
    for (const ControlDesign& design : ControlDesigns())
        if (design.font != FontClass::None)
            json.Key(design.name).Number(plan.SizeOf(design));
    return Reply(json.EndObject());
}

// The zoom step that fits the browser's room for the window, and the
// receiver below it while it is open, in pixels; the step a ?zoom= names, or -1.
EMSCRIPTEN_KEEPALIVE double qv_fitting_step(int room, int roomHeight)
{
    const WindowDesign window = MainWindowDesign();
    const WindowDesign receiver = ReceiverWindowDesign();
    const bool open = page->controller->ReceiverOpen();
    const int width = open ? std::max(window.clientWidth, ReceiverLeft() + receiver.clientWidth) : window.clientWidth;
    const int height = window.clientHeight + (open ? receiver.clientHeight : 0);
    return LargestFittingStep(TwipsToPixels(width), TwipsToPixels(height), room, roomHeight);
}

EMSCRIPTEN_KEEPALIVE double qv_named_step(double value)
{
    return StepNamed(value).value_or(-1);
}

// One frame at the clock's call; then whether each picture now looks
// different, and its pixels.
EMSCRIPTEN_KEEPALIVE void qv_frame()
{
    page->controller->Tick();
    ComposePictures();
}

// The check box "Colours for colour-blind eyes"; then, as after a frame,
// whether each picture looks different (paused, the spectra change at once).
EMSCRIPTEN_KEEPALIVE void qv_colour_blind(int on)
{
    page->controller->SetColourBlind(on != 0);
    ComposePictures();
}

EMSCRIPTEN_KEEPALIVE int qv_changed(const char* name)
{
    const auto picture = PictureNamed(name);
    return picture && WebPictureOf(*picture).Changed() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const std::uint8_t* qv_pixels(const char* name)
{
    const auto picture = PictureNamed(name);
    return picture ? WebPictureOf(*picture).Rgba() : nullptr;
}

// The receiver below the window: opened or closed, its design, texts and
// state, and its controls' events by name, as the window's.
EMSCRIPTEN_KEEPALIVE void qv_receiver_open(int open)
{
    if (open == 0) {
        page->controller->CloseReceiver();
        return;
    }
    auto& p = page->receiverPictures;
    page->controller->OpenReceiver(page->receiverPanel, ReceiverPictures{*p[0], *p[1]});
    for (auto& picture : p)
        picture->Compose();
}

EMSCRIPTEN_KEEPALIVE const char* qv_receiver_design()
{
    page->json.Clear();
    WriteReceiverDesign(page->json);
    return Reply(page->json);
}

EMSCRIPTEN_KEEPALIVE const char* qv_receiver_texts()
{
    page->json.Clear();
    WriteReceiverTexts(page->json, page->catalogue);
    return Reply(page->json);
}

EMSCRIPTEN_KEEPALIVE const char* qv_receiver_state()
{
    page->json.Clear();
    WriteReceiverState(page->json, page->receiverPanel, page->controller->ReceiverOpen(), page->catalogue,
                       page->decimalPoint);
    return Reply(page->json);
}

EMSCRIPTEN_KEEPALIVE void qv_receiver_bar(const char* name, int position)
{
    if (const auto bar = Named<ReceiverBar, 2>(name))
        page->receiverPanel.MoveBar(*bar, position);
}

EMSCRIPTEN_KEEPALIVE int qv_receiver_bar_key(const char* name, const char* keyName)
{
    const auto bar = Named<ReceiverBar, 2>(name);
    const auto key = KeyNamed(kBarKeys, keyName);
    if (!bar || !key)
        return 0;
    const ScrollSettings& scroll = ReceiverDesignOf(ControlName(*bar)).scroll;
    page->receiverPanel.MoveBar(*bar, PositionAfterKey(scroll, true, page->receiverPanel.BarPosition(*bar), *key));
    return 1;
}

EMSCRIPTEN_KEEPALIVE void qv_receiver_list(int index)
{
    page->receiverPanel.ChooseFromList(index);
}

}  // extern "C"
