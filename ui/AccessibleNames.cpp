#include "ui/AccessibleNames.h"

#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>
#include <string_view>
#include <utility>

#include "ui/Utf8.h"

namespace quorvane {
namespace {

struct AccessibleText {
    std::string_view control;
    std::string_view name;
    std::string_view description;
};

// cmdPause is left out: its name follows its caption.
constexpr std::array kTexts{
    AccessibleText{"picData", "Message signal", "Time trace of the message signal, in dark green"},
    AccessibleText{"picSpectrum(0)", "Message spectrum", "Averaged spectrum of the message, in dark green"},
    AccessibleText{"picCarrier", "Carrier", "Time trace of the carrier, in purple"},
    AccessibleText{"picModData", "Modulated signal", "Time trace of the modulated signal, in dark blue"},
    AccessibleText{"picSpectrum(1)", "Modulated spectrum",
                   "Averaged spectrum of the modulated signal, in dark blue"},
    AccessibleText{"hscDataScroll", "Time scroll", "Where the shown stretch of the time traces begins"},
    AccessibleText{"hscDataZoom", "Time zoom", "How many samples the time traces span"},
    AccessibleText{"cmbData", "Signal Type", ""},
    AccessibleText{"hscFreq(0)", "Frequency", ""},
    AccessibleText{"txtFreq(0)", "Frequency, Hz", ""},
    AccessibleText{"hscFreq(1)", "Carrier Frequency", ""},
    AccessibleText{"txtFreq(1)", "Carrier Frequency, Hz", ""},
    AccessibleText{"cmbMod", "Modulation", ""},
    AccessibleText{"vscDepth", "Depth", "Up raises the modulation depth"},
    AccessibleText{"txtDepth", "Depth value", ""},
    AccessibleText{"chkTwoSides", "Two-Sided Spectra", ""},
    AccessibleText{"chkLinear", "Linear Plots", ""},
    AccessibleText{"chkMemory", "Memory", "Freezes a copy of each spectrum, drawn in brown"},
    AccessibleText{"chkPassband", "Modulated trace", "Shows the time trace of the modulated signal"},
    AccessibleText{"chkSpectrum", "Modulated spectrum trace",
                   "Shows the live spectrum of the modulated signal"},
    AccessibleText{"imgVarrow", "Quorvane logo", ""},
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

void SetAccessibleNames(QWidget& form)
{
    for (const AccessibleText& text : kTexts) {
        auto* control = form.findChild<QWidget*>(ToQString(text.control));
        if (!control)
            continue;
        control->setAccessibleName(ToQString(text.name));
        if (!text.description.empty())
            control->setAccessibleDescription(ToQString(text.description));
    }
    for (const auto& [label, control] : kBuddies) {
        auto* labelWidget = form.findChild<QLabel*>(ToQString(label));
        auto* controlWidget = form.findChild<QWidget*>(ToQString(control));
        if (labelWidget && controlWidget)
            labelWidget->setBuddy(controlWidget);
    }
}

}  // namespace quorvane
