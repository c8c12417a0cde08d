#include "app/ReceiverDesign.h"

#include <algorithm>
#include <array>

#include "engine/Receiver.h"

namespace quorvane {
namespace {

using enum ControlKind;
using enum FontClass;

// The pictures are as wide as the window's, so that at every time zoom they
// show the very samples the traces above show.
constexpr auto kControls = std::to_array<ControlDesign>({
    ControlDesign{"receivedSignalLabel", Label, {4320, 60, 8895, 315}, QT_TRANSLATE_NOOP("Receiver", "Received signal"), Small},
    ControlDesign{"receivedSignalPicture", PictureBox, {4320, 375, 8895, 1155}},
    ControlDesign{"recoveredMessageLabel", Label, {4320, 1620, 8895, 315}, QT_TRANSLATE_NOOP("Receiver", "Recovered message"), Small},
    ControlDesign{"recoveredMessagePicture", PictureBox, {4320, 1935, 8895, 1155}},

    ControlDesign{"detectorLabel", Label, {120, 180, 1440, 480}, QT_TRANSLATE_NOOP("Receiver", "Detector"), Medium},
    ControlDesign{"detectorList", ComboBox, {1680, 120, 2460, 480}, {}, Medium},
    ControlDesign{"oscillatorPhaseLabel", Label, {120, 720, 4020, 360}, QT_TRANSLATE_NOOP("Receiver", "Local oscillator phase"), Small},
    ControlDesign{"oscillatorPhaseBar", HScrollBar, {120, 1080, 2835, 495}, {}, None, {0, kMostOscillatorStep, 1, 3, 0}},
    ControlDesign{"oscillatorPhaseBox", TextBox, {3060, 1080, 1080, 495}, "0°", Medium},
    ControlDesign{"channelNoiseLabel", Label, {120, 1680, 4020, 360}, QT_TRANSLATE_NOOP("Receiver", "Channel noise"), Small},
    ControlDesign{"channelNoiseBar", HScrollBar, {120, 2040, 2835, 495}, {}, None, {0, static_cast<int>(kChannelNoiseDecibels.size()), 1, 2, 0}},
    ControlDesign{"channelNoiseBox", TextBox, {3060, 2040, 1080, 495}, {}, Medium},
    ControlDesign{"sinadLabel", Label, {120, 2700, 1800, 495}, QT_TRANSLATE_NOOP("Receiver", "S/N"), Medium},
    ControlDesign{"sinadBox", TextBox, {2040, 2640, 1200, 495}, {}, Medium},
    ControlDesign{"sinadUnitLabel", Label, {3300, 2700, 420, 495}, "dB", Medium},
});

constexpr std::array<std::string_view, 8> kFocusOrder{
    "detectorList", "oscillatorPhaseBar", "oscillatorPhaseBox", "channelNoiseBar",
    "channelNoiseBox", "sinadBox", "receivedSignalPicture", "recoveredMessagePicture",
};

}  // namespace

WindowDesign ReceiverWindowDesign()
{
    return {QT_TRANSLATE_NOOP("Receiver", "Quorvane: receiver"), 13335, 3270, MainWindowDesign().frameInterval};
}

std::span<const ControlDesign> ReceiverControlDesigns()
{
    return kControls;
}

std::span<const std::string_view> ReceiverFocusOrder()
{
    return kFocusOrder;
}

std::string_view ControlName(ReceiverBar bar)
{
    return bar == ReceiverBar::oscillatorPhase ? "oscillatorPhaseBar" : "channelNoiseBar";
}

std::string_view ControlName(ReceiverBox box)
{
    constexpr std::array<std::string_view, 3> kBoxes{"oscillatorPhaseBox", "channelNoiseBox", "sinadBox"};
    return kBoxes[static_cast<std::size_t>(box)];
}

std::string_view ControlName(ReceiverPicture picture)
{
    return picture == ReceiverPicture::receivedSignal ? "receivedSignalPicture" : "recoveredMessagePicture";
}

const ControlDesign& ReceiverDesignOf(std::string_view name)
{
    return *std::find_if(kControls.begin(), kControls.end(),
                         [name](const ControlDesign& design) { return design.name == name; });
}

}  // namespace quorvane
