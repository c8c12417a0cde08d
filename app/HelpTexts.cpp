#include "app/HelpTexts.h"

#include <algorithm>
#include <array>

namespace quorvane {
namespace {

// The pictures have no tooltip: the readout under the pointer takes its place;
// their keys end their description (app/PictureDescription.h).
// The pause button's name and tooltip follow its caption; only its description is here.
constexpr auto kTexts = std::to_array<ControlHelpText>({
    ControlHelpText{"messagePicture",
                QT_TRANSLATE_NOOP("ControlHelp", "Message signal"),
                QT_TRANSLATE_NOOP("ControlHelp", "Time trace of the message signal, in dark green"),
                {}},
    ControlHelpText{"messageSpectrumPicture",
                QT_TRANSLATE_NOOP("ControlHelp", "Message spectrum"),
                QT_TRANSLATE_NOOP("ControlHelp", "Averaged spectrum of the message, in dark green"),
                {}},
    ControlHelpText{"carrierPicture",
                QT_TRANSLATE_NOOP("ControlHelp", "Carrier"),
                QT_TRANSLATE_NOOP("ControlHelp", "Time trace of the carrier, in purple"),
                {}},
    ControlHelpText{"modulatedPicture",
                QT_TRANSLATE_NOOP("ControlHelp", "Modulated signal"),
                QT_TRANSLATE_NOOP("ControlHelp", "Time trace of the modulated signal, in dark blue"),
                {}},
    ControlHelpText{"modulatedSpectrumPicture",
                QT_TRANSLATE_NOOP("ControlHelp", "Modulated spectrum"),
                QT_TRANSLATE_NOOP("ControlHelp", "Averaged spectrum of the modulated signal, in dark blue"),
                {}},
    ControlHelpText{"timeScrollBar",
                QT_TRANSLATE_NOOP("ControlHelp", "Time scroll"),
                QT_TRANSLATE_NOOP("ControlHelp", "Where the shown stretch of the time traces begins"),
                QT_TRANSLATE_NOOP("ControlHelp", "Time scroll, 0 to 16: to the right the traces start later in the signal")},
    ControlHelpText{"timeZoomBar",
                QT_TRANSLATE_NOOP("ControlHelp", "Time zoom"),
                QT_TRANSLATE_NOOP("ControlHelp", "How many samples the time traces span"),
                QT_TRANSLATE_NOOP("ControlHelp", "Time zoom, 1 to 4: to the right zooms out and shows more of the signal")},
    ControlHelpText{"messageTypeList",
                QT_TRANSLATE_NOOP("ControlHelp", "Message type"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "The message signal: a sine, noise or a square wave")},
    ControlHelpText{"messageFrequencyBar",
                QT_TRANSLATE_NOOP("ControlHelp", "Message frequency"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "Message frequency, 2.5 to 10 Hz")},
    ControlHelpText{"messageFrequencyBox",
                QT_TRANSLATE_NOOP("ControlHelp", "Message frequency, Hz"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "The message frequency in Hz")},
    ControlHelpText{"carrierFrequencyBar",
                QT_TRANSLATE_NOOP("ControlHelp", "Carrier frequency"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "Carrier frequency, 32 to 128 Hz")},
    ControlHelpText{"carrierFrequencyBox",
                QT_TRANSLATE_NOOP("ControlHelp", "Carrier frequency, Hz"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "The carrier frequency in Hz")},
    ControlHelpText{"schemeList",
                QT_TRANSLATE_NOOP("ControlHelp", "Modulation scheme"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "How the message modulates the carrier")},
    ControlHelpText{"depthBar",
                QT_TRANSLATE_NOOP("ControlHelp", "Modulation depth"),
                QT_TRANSLATE_NOOP("ControlHelp", "The up arrow raises the modulation depth"),
                QT_TRANSLATE_NOOP("ControlHelp", "Modulation depth, 0.2 to 2: the upper arrow raises it, the lower arrow lowers it")},
    ControlHelpText{"depthBox",
                QT_TRANSLATE_NOOP("ControlHelp", "Modulation depth value"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "The modulation depth")},
    ControlHelpText{"twoSidedCheckBox",
                QT_TRANSLATE_NOOP("ControlHelp", "Two-Sided Spectra"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "Show the spectra from −125.7 to 125.5 Hz, zero in the middle, instead of from 0 to 251.2 Hz")},
    ControlHelpText{"linearCheckBox",
                QT_TRANSLATE_NOOP("ControlHelp", "Linear Plots"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "Show the spectra on a linear power scale instead of a logarithmic one")},
    ControlHelpText{"memoryButton",
                QT_TRANSLATE_NOOP("ControlHelp", "Memory"),
                QT_TRANSLATE_NOOP("ControlHelp", "Freezes a copy of each spectrum, drawn in brown"),
                QT_TRANSLATE_NOOP("ControlHelp", "Freeze a copy of both spectra, drawn in brown, to compare with; click again to let it go")},
    ControlHelpText{"modulatedTraceButton",
                QT_TRANSLATE_NOOP("ControlHelp", "Modulated trace"),
                QT_TRANSLATE_NOOP("ControlHelp", "Shows the time trace of the modulated signal"),
                QT_TRANSLATE_NOOP("ControlHelp", "Show the modulated signal")},
    ControlHelpText{"modulatedSpectrumButton",
                QT_TRANSLATE_NOOP("ControlHelp", "Modulated spectrum trace"),
                QT_TRANSLATE_NOOP("ControlHelp", "Shows the live spectrum of the modulated signal"),
                QT_TRANSLATE_NOOP("ControlHelp", "Show the live modulated spectrum")},
    ControlHelpText{"messageFrame", QT_TRANSLATE_NOOP("ControlHelp", "Message controls"), {}, {}},
    ControlHelpText{"carrierFrame", QT_TRANSLATE_NOOP("ControlHelp", "Carrier controls"), {}, {}},
    ControlHelpText{"modulationFrame", QT_TRANSLATE_NOOP("ControlHelp", "Modulation controls"), {}, {}},
    ControlHelpText{"cursorMarker", QT_TRANSLATE_NOOP("ControlHelp", "Readout cursor"), {}, {}},
    ControlHelpText{"logo",
                QT_TRANSLATE_NOOP("ControlHelp", "Quorvane logo"),
                {},
                {}},
});

constexpr ControlHelpText kColourBlindMemory{
    "memoryButton", QT_TRANSLATE_NOOP("ControlHelp", "Memory"),
    QT_TRANSLATE_NOOP("ControlHelp", "Freezes a copy of each spectrum, drawn in plum"),
    QT_TRANSLATE_NOOP("ControlHelp", "Freeze a copy of both spectra, drawn in plum, to compare with; click again to let it go")};

// Each label and the control it names, so that assistive tools can relate
// them. A screen reader speaks the label in place of the name, so only the
// lists keep theirs: both frequency bars sit beside a "Frequency", the depth
// bar's name says more than its label, and the "Hz" labels are units.
constexpr std::array<LabelledControl, 2> kLabelled{{
    {"messageTypeLabel", "messageTypeList"},
    {"schemeLabel", "schemeList"},
}};

}  // namespace

std::span<const ControlHelpText> ControlHelpTexts()
{
    return kTexts;
}

const ControlHelpText* HelpOf(std::string_view control, bool colourBlind)
{
    if (colourBlind && control == kColourBlindMemory.control)
        return &kColourBlindMemory;
    for (std::span<const ControlHelpText> table : {ControlHelpTexts(), ReceiverHelpTexts()}) {
        const auto text = std::find_if(table.begin(), table.end(),
                                       [control](const ControlHelpText& t) { return t.control == control; });
        if (text != table.end())
            return &*text;
    }
    return nullptr;
}

std::span<const LabelledControl> LabelledControls()
{
    return kLabelled;
}

std::string_view GuideHintKey()
{
    return QT_TRANSLATE_NOOP("ControlHelp", "F1: class guide");
}

std::string_view PauseHelpKey(PauseState state)
{
    return state == PauseState::running ? QT_TRANSLATE_NOOP("ControlHelp", "Pause the display: the pictures stand still")
                                        : QT_TRANSLATE_NOOP("ControlHelp", "Continue the display");
}

std::string WithGuideHint(std::string_view text, std::string_view hint)
{
    if (text.empty())
        return std::string(hint);
    std::string shown(text);
    shown += '\n';
    shown += hint;
    return shown;
}

}  // namespace quorvane
