#include "app/WindowDesign.h"

#include <algorithm>
#include <array>

#include "engine/Choices.h"
#include "plot/TraceColours.h"

namespace quorvane {
namespace {

using enum ControlKind;
using enum FontClass;

constexpr ScrollSettings kFrequencyScroll{16, 64, 1, 10, 16};

// Typed in full: GCC 12 puts an array whose type is deduced in writable data.
constexpr auto kControls = std::to_array<ControlDesign>({
    ControlDesign{"messagePicture", PictureBox, {6000, 240, 8895, 1035}},
    ControlDesign{"messageSpectrumPicture", PictureBox, {6000, 1320, 8895, 2775}},
    ControlDesign{"carrierPicture", PictureBox, {6000, 4500, 8895, 1155}},
    ControlDesign{"modulatedPicture", PictureBox, {6000, 5880, 8895, 1155}},
    ControlDesign{"modulatedSpectrumPicture", PictureBox, {6000, 7080, 8895, 2775}},
    ControlDesign{"timeScrollBar", HScrollBar, {6000, 0, 7455, 255}, {}, None, {0, 16, 1, 4, 0, true}},
    ControlDesign{"timeZoomBar", HScrollBar, {13440, 0, 1455, 255}, {}, None, {1, 4, 1, 1, 1, true}},

    ControlDesign{"messageFrame", Shape, {540, 360, 5115, 1455}, {}, None, {}, false, kMessageColour},
    ControlDesign{"messageTypeLabel", Label, {600, 480, 2055, 495}, QT_TRANSLATE_NOOP("MainWindow", "Signal Type"), Large},
    ControlDesign{"messageTypeList", ComboBox, {2820, 480, 2715, 480}, {}, Medium},
    ControlDesign{"messageFrequencyLabel", Label, {840, 1200, 1815, 495}, QT_TRANSLATE_NOOP("MainWindow", "Frequency"), Large},
    ControlDesign{"messageFrequencyBar", HScrollBar, {2820, 1200, 1335, 495}, {}, None, kFrequencyScroll},
    ControlDesign{"messageFrequencyBox", TextBox, {4260, 1200, 795, 495}, "1.0", Medium},
    ControlDesign{"messageUnitLabel", Label, {4920, 1200, 615, 495}, "Hz", Large},

    ControlDesign{"carrierFrame", Shape, {900, 4500, 4815, 1155}, {}, None, {}, false, kCarrierColour},
    ControlDesign{"carrierLabel", Label, {1260, 4620, 1515, 495}, QT_TRANSLATE_NOOP("MainWindow", "Carrier"), Large},
    ControlDesign{"carrierFrequencyLabel", Label, {1020, 5100, 1755, 495}, QT_TRANSLATE_NOOP("MainWindow", "Frequency"), Large},
    ControlDesign{"carrierFrequencyBar", HScrollBar, {2880, 4860, 1335, 495}, {}, None, kFrequencyScroll},
    ControlDesign{"carrierFrequencyBox", TextBox, {4320, 4860, 795, 495}, "1.0", Medium},
    ControlDesign{"carrierUnitLabel", Label, {4980, 4860, 615, 495}, "Hz", Large},

    ControlDesign{"modulationFrame", Shape, {1560, 5880, 4095, 1455}, {}, None, {}, false, kModulatedColour},
    ControlDesign{"schemeLabel", Label, {1680, 6000, 1815, 495}, QT_TRANSLATE_NOOP("MainWindow", "Modulation"), Large},
    ControlDesign{"schemeList", ComboBox, {3660, 6000, 1875, 480}, {}, Medium},
    ControlDesign{"depthLabel", Label, {3240, 6660, 975, 495}, QT_TRANSLATE_NOOP("MainWindow", "Depth"), Large},
    ControlDesign{"depthBox", TextBox, {4380, 6600, 795, 495}, "1.0", Medium},
    ControlDesign{"depthBar", VScrollBar, {5160, 6600, 375, 495}, {}, None, {0, 9, 1, 1, 9}},

    ControlDesign{"twoSidedCheckBox", CheckBox, {3720, 8040, 1695, 615}, QT_TRANSLATE_NOOP("MainWindow", "Two-Sided Spectra"), Small},
    ControlDesign{"linearCheckBox", CheckBox, {3720, 8640, 1695, 615}, QT_TRANSLATE_NOOP("MainWindow", "Linear Plots"), Small, {}, true},
    ControlDesign{"pauseButton", CommandButton, {180, 8820, 1215, 495}, Key(PauseState::running), Medium},
    ControlDesign{"memoryButton", ButtonCheckBox, {1500, 8820, 1455, 480}, QT_TRANSLATE_NOOP("MainWindow", "Memory"), Medium},
    ControlDesign{"modulatedTraceButton", ButtonCheckBox, {5880, 6120, 255, 720}},
    ControlDesign{"modulatedSpectrumButton", ButtonCheckBox, {5880, 8040, 315, 840}},

    ControlDesign{"logo", Image, {840, 9420, 4500, 720}},
});

constexpr auto kLines = std::to_array<LineDesign>({
    LineDesign{"messageZeroMarker", 6000, 4080, 6000, 4320, 3},
    LineDesign{"modulatedZeroMarker", 6000, 9840, 6000, 10080, 3},
});

constexpr std::array<std::string_view, 21> kFocusOrder{
    "messagePicture",       "messageTypeList",     "schemeList",     "pauseButton",       "messageSpectrumPicture", "modulatedPicture",
    "timeScrollBar", "timeZoomBar", "memoryButton",  "modulatedSpectrumPicture", "depthBar",       "depthBox",
    "messageFrequencyBox",    "messageFrequencyBar",  "carrierPicture", "carrierFrequencyBar",     "carrierFrequencyBox",     "modulatedTraceButton",
    "modulatedSpectrumButton",   "twoSidedCheckBox", "linearCheckBox",
};

}  // namespace

WindowDesign MainWindowDesign()
{
    return {"Quorvane", 15045, 10170, 100};
}

std::span<const ControlDesign> ControlDesigns()
{
    return kControls;
}

std::span<const LineDesign> ZeroMarkerDesigns()
{
    return kLines;
}

std::string_view ControlName(Bar bar)
{
    constexpr std::array<std::string_view, 5> kBars{"messageFrequencyBar", "carrierFrequencyBar", "depthBar",
                                                    "timeScrollBar", "timeZoomBar"};
    return kBars[static_cast<std::size_t>(bar)];
}

std::string_view ControlName(Switch which)
{
    constexpr std::array<std::string_view, 5> kSwitches{"linearCheckBox", "twoSidedCheckBox", "memoryButton",
                                                        "modulatedTraceButton", "modulatedSpectrumButton"};
    return kSwitches[static_cast<std::size_t>(which)];
}

std::string_view ControlName(List list)
{
    return list == List::messageType ? "messageTypeList" : "schemeList";
}

std::string_view ControlName(Box box)
{
    constexpr std::array<std::string_view, 3> kBoxes{"messageFrequencyBox", "carrierFrequencyBox", "depthBox"};
    return kBoxes[static_cast<std::size_t>(box)];
}

std::string_view ControlName(Picture picture)
{
    constexpr std::array<std::string_view, 5> kPictures{"messagePicture", "messageSpectrumPicture", "carrierPicture",
                                                        "modulatedPicture", "modulatedSpectrumPicture"};
    return kPictures[static_cast<std::size_t>(picture)];
}

const ControlDesign& DesignOf(std::string_view name)
{
    return *std::find_if(kControls.begin(), kControls.end(),
                         [name](const ControlDesign& design) { return design.name == name; });
}

std::span<const std::string_view> FocusOrder()
{
    return kFocusOrder;
}

double PointSize(FontClass font)
{
    switch (font) {
        case Small: return 12.0;
        case Medium: return 13.5;
        case Large: return 18.0;
        case None: break;
    }
    return 0.0;
}

}  // namespace quorvane
