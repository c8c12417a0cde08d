#include "ui/ControlHelp.h"

#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>
#include <string_view>
#include <utility>

#include "engine/ControlTexts.h"
#include "ui/Utf8.h"

namespace quorvane {
namespace {

struct ControlText {
    std::string_view control;
    std::string_view name;
    std::string_view description;
    std::string_view toolTip;
};

// The pictures have no tooltip: the readout under the pointer takes its place.
// cmdPause is left out: its name and tooltip follow its caption.
constexpr std::array kTexts{
    ControlText{"picData", "Message signal", "Time trace of the message signal, in dark green", ""},
    ControlText{"picSpectrum(0)", "Message spectrum", "Averaged spectrum of the message, in dark green", ""},
    ControlText{"picCarrier", "Carrier", "Time trace of the carrier, in purple", ""},
    ControlText{"picModData", "Modulated signal", "Time trace of the modulated signal, in dark blue", ""},
    ControlText{"picSpectrum(1)", "Modulated spectrum",
                "Averaged spectrum of the modulated signal, in dark blue", ""},
    ControlText{"hscDataScroll", "Time scroll", "Where the shown stretch of the time traces begins",
                "Time scroll, 0 to 16: to the right the traces start later in the signal"},
    ControlText{"hscDataZoom", "Time zoom", "How many samples the time traces span",
                "Time zoom, 1 to 4: to the right zooms out and shows more of the signal"},
    ControlText{"cmbData", "Signal Type", "", "The message signal: a sine, noise or a square wave"},
    ControlText{"hscFreq(0)", "Frequency", "", "Message frequency, 2.5 to 10 Hz"},
    ControlText{"txtFreq(0)", "Frequency, Hz", "", "The message frequency in Hz"},
    ControlText{"hscFreq(1)", "Carrier Frequency", "", "Carrier frequency, 32 to 128 Hz"},
    ControlText{"txtFreq(1)", "Carrier Frequency, Hz", "", "The carrier frequency in Hz"},
    ControlText{"cmbMod", "Modulation", "", "How the message modulates the carrier"},
    ControlText{"vscDepth", "Depth", "Up raises the modulation depth",
                "Modulation depth, 0.2 to 2: the upper arrow raises it, the lower arrow lowers it"},
    ControlText{"txtDepth", "Depth value", "", "The modulation depth"},
    ControlText{"chkTwoSides", "Two-Sided Spectra", "",
                "Show the spectra from −125.7 to 125.5 Hz, zero in the middle, "
                "instead of from 0 to 251.2 Hz"},
    ControlText{"chkLinear", "Linear Plots", "",
                "Show the spectra on a linear power scale instead of a logarithmic one"},
    ControlText{"chkMemory", "Memory", "Freezes a copy of each spectrum, drawn in brown",
                "Freeze a copy of both spectra, drawn in brown, to compare with; "
                "click again to let it go"},
    ControlText{"chkPassband", "Modulated trace", "Shows the time trace of the modulated signal",
                "Show the modulated signal"},
    ControlText{"chkSpectrum", "Modulated spectrum trace",
                "Shows the live spectrum of the modulated signal", "Show the live modulated spectrum"},
    ControlText{"imgVarrow", "Quorvane logo", "", ""},
};

// Each label and the control it names, so that assistive tools can relate them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kBuddies{{
    {"Label1", "cmbData"},
    {"lblModulation(2)", "hscFreq(0)"},
    {"lblModulation(5)", "hscFreq(1)"},
    {"lblModulation(0)", "cmbMod"},
    {"lblModulation(1)", "vscDepth"},
    {"lblModulation(3)", "txtFreq(0)"},
}};

}  // namespace

void SetControlHelp(QWidget& form)
{
    for (const ControlText& text : kTexts) {
        auto* control = form.findChild<QWidget*>(ToQString(text.control));
        if (!control)
            continue;
        control->setAccessibleName(ToQString(text.name));
        if (!text.description.empty())
            control->setAccessibleDescription(ToQString(text.description));
        if (!text.toolTip.empty())
            control->setToolTip(ToQString(text.toolTip));
    }
    for (const auto& [label, control] : kBuddies) {
        auto* labelWidget = form.findChild<QLabel*>(ToQString(label));
        auto* controlWidget = form.findChild<QWidget*>(ToQString(control));
        if (labelWidget && controlWidget)
            labelWidget->setBuddy(controlWidget);
    }
}

QString PauseToolTip(std::string_view caption)
{
    return caption == kRunningCaption ? QStringLiteral("Pause the display: the pictures stand still")
                                      : QStringLiteral("Continue the display");
}

}  // namespace quorvane
