#include "web/PageJson.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "app/HelpTexts.h"
#include "app/MarkerLines.h"
#include "app/NumberText.h"
#include "app/PictureDescription.h"
#include "app/ReceiverController.h"
#include "app/ReceiverDesign.h"
#include "plot/Colour.h"

namespace quorvane::web {
namespace {

constexpr char kWindowContext[] = "MainWindow";

std::string_view KindName(ControlKind kind)
{
    constexpr std::array<std::string_view, 11> kNames{"PictureBox", "HScrollBar", "VScrollBar",    "Shape",
                                                      "Label",      "ComboBox",   "TextBox",       "CheckBox",
                                                      "ButtonCheckBox", "CommandButton", "Image"};
    return kNames[static_cast<std::size_t>(kind)];
}

void WriteBox(JsonWriter& json, const TwipsBox& box)
{
    json.BeginObject()
        .Key("left").Number(box.left).Key("top").Number(box.top)
        .Key("width").Number(box.width).Key("height").Number(box.height)
        .EndObject();
}

void WriteControl(JsonWriter& json, const ControlDesign& d)
{
    json.BeginObject().Key("name").String(d.name).Key("kind").String(KindName(d.kind)).Key("box");
    WriteBox(json, d.box);
    if (d.font != FontClass::None)
        json.Key("points").Number(PointSize(d.font));
    if (d.kind == ControlKind::HScrollBar || d.kind == ControlKind::VScrollBar) {
        const ScrollSettings& s = d.scroll;
        json.Key("scroll").BeginObject()
            .Key("minimum").Number(s.minimum).Key("maximum").Number(s.maximum)
            .Key("smallStep").Number(s.smallStep).Key("largeStep").Number(s.largeStep)
            .Key("tracking").Bool(s.tracking)
            .EndObject();
    }
    if (d.kind == ControlKind::Shape)
        json.Key("colour").String(CssColour(d.colour)).Key("border").Number(kShapeBorderWidth);
    json.EndObject();
}

// The help of one control; the pause button's follows its state.
void WriteHelp(JsonWriter& json, const ControlHelpText& help, const Catalogue& catalogue)
{
    const std::string_view hint = catalogue.Translate(kHelpContext, GuideHintKey());
    json.Key("name").String(catalogue.Translate(kHelpContext, help.name));
    json.Key("description").String(HelpDescription(help, catalogue));
    if (!help.toolTip.empty())
        json.Key("toolTip").String(WithGuideHint(catalogue.Translate(kHelpContext, help.toolTip), hint));
}

void WriteChoices(JsonWriter& json, std::span<const std::string_view> keys, const Catalogue& catalogue,
                  std::string_view context = kWindowContext)
{
    json.Key("choices").BeginArray();
    for (const std::string_view key : keys)
        json.String(catalogue.Translate(context, key));
    json.EndArray();
}

// The number a parameter bar's box shows for `position`, unpadded.
double ShownValue(Bar bar, int position)
{
    switch (bar) {
    case Bar::messageFrequency: return ShownHertz(MessageFrequencyDaHz(position));
    case Bar::carrierFrequency: return ShownHertz(CarrierFrequencyDaHz(position));
    default: return Depth(position);
    }
}

// A parameter bar's value as screen readers say the desktop's: its box's
// number with as many decimals as one step of the bar moves it by ("5.0",
// then "5.1"), since the page's browser speaks the text as it stands.
std::string BarValueText(Bar bar, int position, std::string_view decimalPoint)
{
    const ScrollSettings& scroll = DesignOf(ControlName(bar)).scroll;
    const double step = std::abs(ShownValue(bar, scroll.minimum + scroll.smallStep) - ShownValue(bar, scroll.minimum));
    int decimals = 0;
    // A step of a tenth is 0.1 only to within the doubles' rounding.
    for (double scaled = step; decimals < 3 && std::abs(scaled - std::round(scaled)) > 1e-6; scaled *= 10)
        ++decimals;
    return FixedText(ShownValue(bar, position), decimals, decimalPoint);
}

void WriteLayout(JsonWriter& json, const WindowDesign& window, std::span<const ControlDesign> controls,
                 std::span<const std::string_view> focus, int left)
{
    json.BeginObject().Key("window").BeginObject()
        .Key("width").Number(window.clientWidth).Key("height").Number(window.clientHeight)
        .Key("interval").Number(window.frameInterval).Key("left").Number(left)
        .EndObject();
    json.Key("controls").BeginArray();
    for (const ControlDesign& d : controls)
        WriteControl(json, d);
    json.EndArray().Key("focus").BeginArray();
    for (const std::string_view name : focus)
        json.String(name);
    json.EndArray().EndObject();
}

bool HasCaption(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::CheckBox || kind == ControlKind::ButtonCheckBox;
}

// A box's number as the page's language writes it.
std::string WithDecimalPoint(std::string text, std::string_view decimalPoint)
{
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalPoint);
    return text;
}

}  // namespace

std::string HelpDescription(const ControlHelpText& help, const Catalogue& catalogue, std::string_view shown)
{
    std::string description(catalogue.Translate(kHelpContext, help.description));
    if (IsPicture(help.control))
        description = PictureHelp(description, shown, catalogue.Translate(kPictureWordsContext, PictureWords{}.keys));
    return WithGuideHint(description, catalogue.Translate(kHelpContext, GuideHintKey()));
}

void WriteLine(JsonWriter& json, const MarkerLine& line)
{
    json.BeginObject()
        .Key("left").Number(line.left).Key("top").Number(line.top)
        .Key("height").Number(line.height).Key("width").Number(line.width)
        .EndObject();
}

std::string CssColour(Colour colour)
{
    const Rgb rgb = ToRgb(colour);
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text.data();
}

void WriteDesign(JsonWriter& json)
{
    WriteLayout(json, MainWindowDesign(), ControlDesigns(), FocusOrder(), 0);
}

int ReceiverLeft()
{
    return DesignOf(ControlName(Picture::modulated)).box.left -
           ReceiverDesignOf(ControlName(ReceiverPicture::receivedSignal)).box.left;
}

void WriteReceiverDesign(JsonWriter& json)
{
    WriteLayout(json, ReceiverWindowDesign(), ReceiverControlDesigns(), ReceiverFocusOrder(), ReceiverLeft());
}

void WriteTexts(JsonWriter& json, const Catalogue& catalogue, bool colourBlind)
{
    json.BeginObject();
    for (const ControlDesign& d : ControlDesigns()) {
        json.Key(d.name).BeginObject();
        if (HasCaption(d.kind))
            json.Key("caption").String(catalogue.Translate(kWindowContext, d.text));
        if (d.name == ControlName(List::messageType))
            WriteChoices(json, kMessageTypeKeys, catalogue);
        if (d.name == ControlName(List::scheme))
            WriteChoices(json, kSchemeKeys, catalogue);
        if (const ControlHelpText* help = HelpOf(d.name, colourBlind))
            WriteHelp(json, *help, catalogue);
        for (const LabelledControl& pair : LabelledControls())
            if (pair.control == d.name)
                json.Key("labelledBy").String(pair.label);
        json.EndObject();
    }
    json.EndObject();
}

void WriteState(JsonWriter& json, const WebPanel& panel, const Catalogue& catalogue, std::string_view decimalPoint)
{
    const auto shown = [&](Box box) { return WithDecimalPoint(panel.texts[static_cast<std::size_t>(box)], decimalPoint); };
    json.BeginObject().Key("bars").BeginObject();
    for (const Bar bar : {Bar::messageFrequency, Bar::carrierFrequency, Bar::depth, Bar::timeScroll, Bar::timeZoom}) {
        json.Key(ControlName(bar)).BeginObject().Key("position").Number(panel.BarPosition(bar));
        if (bar == Bar::messageFrequency || bar == Bar::carrierFrequency || bar == Bar::depth)
            json.Key("valueText").String(BarValueText(bar, panel.BarPosition(bar), decimalPoint));
        json.EndObject();
    }
    json.EndObject().Key("boxes").BeginObject();
    for (const Box box : {Box::messageFrequency, Box::carrierFrequency, Box::depth})
        json.Key(ControlName(box)).String(shown(box));
    json.EndObject().Key("switches").BeginObject();
    for (const Switch which : {Switch::linear, Switch::twoSided, Switch::memory, Switch::modulatedTrace,
                               Switch::modulatedSpectrum})
        json.Key(ControlName(which)).Bool(panel.SwitchState(which) == CheckState::checked);
    json.EndObject().Key("lists").BeginObject()
        .Key(ControlName(List::messageType)).Number(static_cast<int>(panel.messageType))
        .Key(ControlName(List::scheme)).Number(static_cast<int>(panel.scheme))
        .EndObject();
    const std::string_view hint = catalogue.Translate(kHelpContext, GuideHintKey());
    json.Key("pause").BeginObject()
        .Key("caption").String(catalogue.Translate(kWindowContext, Key(panel.pause)))
        .Key("help").String(WithGuideHint(catalogue.Translate(kHelpContext, PauseHelpKey(panel.pause)), hint))
        .EndObject();
    json.Key("running").Bool(panel.clockRunning);
    json.Key("colours").BeginObject().Key(ControlName(Switch::memory)).String(CssColour(panel.memoryColour)).EndObject();
    json.Key("markers").BeginArray();
    for (const MarkerLine& line : ZeroMarkerLines(panel.markerX))
        WriteLine(json, line);
    json.EndArray().EndObject();
}

void WriteReceiverTexts(JsonWriter& json, const Catalogue& catalogue)
{
    json.BeginObject();
    for (const ControlDesign& d : ReceiverControlDesigns()) {
        json.Key(d.name).BeginObject();
        if (d.kind == ControlKind::Label)
            json.Key("caption").String(catalogue.Translate(kReceiverContext, d.text));
        if (d.kind == ControlKind::ComboBox)
            WriteChoices(json, kDetectorKeys, catalogue, kReceiverContext);
        if (const ControlHelpText* help = HelpOf(d.name))
            WriteHelp(json, *help, catalogue);
        json.EndObject();
    }
    json.Key("title").String(catalogue.Translate(kReceiverContext, ReceiverWindowDesign().caption));
    json.EndObject();
}

void WriteReceiverState(JsonWriter& json, const WebReceiverPanel& panel, bool open, const Catalogue& catalogue,
                        std::string_view decimalPoint)
{
    const auto shown = [&](ReceiverBox box) {
        const std::string& text = panel.texts[static_cast<std::size_t>(box)];
        return box == ReceiverBox::channelNoise ? std::string(catalogue.Translate(kReceiverContext, text))
                                                : WithDecimalPoint(text, decimalPoint);
    };
    json.BeginObject().Key("open").Bool(open).Key("bars").BeginObject();
    for (const ReceiverBar bar : {ReceiverBar::oscillatorPhase, ReceiverBar::channelNoise})
        json.Key(ControlName(bar)).BeginObject()
            .Key("position").Number(panel.BarPosition(bar))
            .Key("text").String(shown(static_cast<ReceiverBox>(bar)))
            .EndObject();
    json.EndObject().Key("boxes").BeginObject();
    for (const ReceiverBox box : {ReceiverBox::oscillatorPhase, ReceiverBox::channelNoise, ReceiverBox::sinad})
        json.Key(ControlName(box)).String(shown(box));
    json.EndObject().Key("lists").BeginObject()
        .Key("detectorList").Number(static_cast<int>(panel.detector))
        .EndObject().EndObject();
}

}  // namespace quorvane::web
