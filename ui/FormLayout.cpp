#include "ui/FormLayout.h"

#include <QtGlobal>
#include <array>

#include "engine/ControlTexts.h"
#include "plot/TraceColours.h"

namespace quorvane {
namespace {

using enum ControlKind;
using enum FontClass;

constexpr ScrollSettings kFrequencyScroll{16, 64, 1, 10, 16};

constexpr std::array kControls{
    ControlDesign{"picData", PictureBox, {6000, 240, 8895, 1035}},
    ControlDesign{"picSpectrum(0)", PictureBox, {6000, 1320, 8895, 2775}},
    ControlDesign{"picCarrier", PictureBox, {6000, 4500, 8895, 1155}},
    ControlDesign{"picModData", PictureBox, {6000, 5880, 8895, 1155}},
    ControlDesign{"picSpectrum(1)", PictureBox, {6000, 7080, 8895, 2775}},
    ControlDesign{"hscDataScroll", HScrollBar, {6000, 0, 7455, 255}, {}, None, {0, 16, 1, 4, 0, true}},
    ControlDesign{"hscDataZoom", HScrollBar, {13440, 0, 1455, 255}, {}, None, {1, 4, 1, 1, 1, true}},

    ControlDesign{"shpDataBox", Shape, {540, 360, 5115, 1455}, {}, None, {}, false, kMessageColour},
    ControlDesign{"Label1", Label, {600, 480, 2055, 495}, QT_TRANSLATE_NOOP("Form1", "Signal Type"), Large},
    ControlDesign{"cmbData", ComboBox, {2820, 480, 2715, 480}, {}, Medium},
    ControlDesign{"lblModulation(2)", Label, {840, 1200, 1815, 495}, QT_TRANSLATE_NOOP("Form1", "Frequency"), Large},
    ControlDesign{"hscFreq(0)", HScrollBar, {2820, 1200, 1335, 495}, {}, None, kFrequencyScroll},
    ControlDesign{"txtFreq(0)", TextBox, {4260, 1200, 795, 495}, "1.0", Medium},
    ControlDesign{"lblModulation(3)", Label, {4920, 1200, 615, 495}, "Hz", Large},

    ControlDesign{"Shape1", Shape, {900, 4500, 4815, 1155}, {}, None, {}, false, kCarrierColour},
    ControlDesign{"lblModulation(6)", Label, {1260, 4620, 1515, 495}, QT_TRANSLATE_NOOP("Form1", "Carrier"), Large},
    ControlDesign{"lblModulation(5)", Label, {1020, 5100, 1755, 495}, QT_TRANSLATE_NOOP("Form1", "Frequency"), Large},
    ControlDesign{"hscFreq(1)", HScrollBar, {2880, 4860, 1335, 495}, {}, None, kFrequencyScroll},
    ControlDesign{"txtFreq(1)", TextBox, {4320, 4860, 795, 495}, "1.0", Medium},
    ControlDesign{"lblModulation(4)", Label, {4980, 4860, 615, 495}, "Hz", Large},

    ControlDesign{"shpTxBox", Shape, {1560, 5880, 4095, 1455}, {}, None, {}, false, kModulatedColour},
    ControlDesign{"lblModulation(0)", Label, {1680, 6000, 1815, 495}, QT_TRANSLATE_NOOP("Form1", "Modulation"), Large},
    ControlDesign{"cmbMod", ComboBox, {3660, 6000, 1875, 480}, {}, Medium},
    ControlDesign{"lblModulation(1)", Label, {3240, 6660, 975, 495}, QT_TRANSLATE_NOOP("Form1", "Depth"), Large},
    ControlDesign{"txtDepth", TextBox, {4380, 6600, 795, 495}, "1.0", Medium},
    ControlDesign{"vscDepth", VScrollBar, {5160, 6600, 375, 495}, {}, None, {0, 9, 1, 1, 9}},

    ControlDesign{"chkTwoSides", CheckBox, {3720, 8040, 1695, 615}, QT_TRANSLATE_NOOP("Form1", "Two-Sided Spectra"), Small},
    ControlDesign{"chkLinear", CheckBox, {3720, 8640, 1695, 615}, QT_TRANSLATE_NOOP("Form1", "Linear Plots"), Small, {}, true},
    ControlDesign{"cmdPause", CommandButton, {180, 8820, 1215, 495}, kRunningCaption, Medium},
    ControlDesign{"chkMemory", ButtonCheckBox, {1500, 8820, 1455, 480}, QT_TRANSLATE_NOOP("Form1", "Memory"), Medium},
    ControlDesign{"chkPassband", ButtonCheckBox, {5880, 6120, 255, 720}},
    ControlDesign{"chkSpectrum", ButtonCheckBox, {5880, 8040, 315, 840}},

    ControlDesign{"imgVarrow", Image, {840, 9420, 4500, 720}},
};

constexpr std::array kLines{
    LineDesign{"lneZero(0)", 6000, 4080, 6000, 4320, 3},
    LineDesign{"lneZero(1)", 6000, 9840, 6000, 10080, 3},
};

constexpr std::array<std::string_view, 21> kFocusOrder{
    "picData",       "cmbData",     "cmbMod",     "cmdPause",       "picSpectrum(0)", "picModData",
    "hscDataScroll", "hscDataZoom", "chkMemory",  "picSpectrum(1)", "vscDepth",       "txtDepth",
    "txtFreq(0)",    "hscFreq(0)",  "picCarrier", "hscFreq(1)",     "txtFreq(1)",     "chkPassband",
    "chkSpectrum",   "chkTwoSides", "chkLinear",
};

}  // namespace

WindowDesign FormWindow()
{
    return {"Quorvane", 15045, 10170, 100};
}

std::span<const ControlDesign> FormControlsDesign()
{
    return kControls;
}

std::span<const LineDesign> FormLines()
{
    return kLines;
}

std::span<const std::string_view> FormFocusOrder()
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
