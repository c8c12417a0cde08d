#include "ui/accessibility/ControlHelp.h"

#include <QCoreApplication>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>
#include <string_view>
#include <utility>

#include "engine/Choices.h"
#include "ui/language/ShownText.h"
#include "ui/window/Utf8.h"

namespace quorvane {
namespace {

struct ControlText {
    std::string_view control;
    std::string_view name;
    std::string_view description;
    std::string_view toolTip;
};

// The pictures have no tooltip: the readout under the pointer takes its place.
// The pause button's name and tooltip follow its caption; only its description is here.
constexpr auto kTexts = std::to_array<ControlText>({
    ControlText{"messagePicture",
                QT_TRANSLATE_NOOP("ControlHelp", "Message signal"),
                QT_TRANSLATE_NOOP("ControlHelp", "Time trace of the message signal, in dark green"),
                {}},
    ControlText{"messageSpectrumPicture",
                QT_TRANSLATE_NOOP("ControlHelp", "Message spectrum"),
                QT_TRANSLATE_NOOP("ControlHelp", "Averaged spectrum of the message, in dark green"),
                {}},
    ControlText{"carrierPicture",
                QT_TRANSLATE_NOOP("ControlHelp", "Carrier"),
                QT_TRANSLATE_NOOP("ControlHelp", "Time trace of the carrier, in purple"),
                {}},
    ControlText{"modulatedPicture",
                QT_TRANSLATE_NOOP("ControlHelp", "Modulated signal"),
                QT_TRANSLATE_NOOP("ControlHelp", "Time trace of the modulated signal, in dark blue"),
                {}},
    ControlText{"modulatedSpectrumPicture",
                QT_TRANSLATE_NOOP("ControlHelp", "Modulated spectrum"),
                QT_TRANSLATE_NOOP("ControlHelp", "Averaged spectrum of the modulated signal, in dark blue"),
                {}},
    ControlText{"timeScrollBar",
                QT_TRANSLATE_NOOP("ControlHelp", "Time scroll"),
                QT_TRANSLATE_NOOP("ControlHelp", "Where the shown stretch of the time traces begins"),
                QT_TRANSLATE_NOOP("ControlHelp", "Time scroll, 0 to 16: to the right the traces start later in the signal")},
    ControlText{"timeZoomBar",
                QT_TRANSLATE_NOOP("ControlHelp", "Time zoom"),
                QT_TRANSLATE_NOOP("ControlHelp", "How many samples the time traces span"),
                QT_TRANSLATE_NOOP("ControlHelp", "Time zoom, 1 to 4: to the right zooms out and shows more of the signal")},
    ControlText{"messageTypeList",
                QT_TRANSLATE_NOOP("ControlHelp", "Message type"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "The message signal: a sine, noise or a square wave")},
    ControlText{"messageFrequencyBar",
                QT_TRANSLATE_NOOP("ControlHelp", "Message frequency"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "Message frequency, 2.5 to 10 Hz")},
    ControlText{"messageFrequencyBox",
                QT_TRANSLATE_NOOP("ControlHelp", "Message frequency, Hz"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "The message frequency in Hz")},
    ControlText{"carrierFrequencyBar",
                QT_TRANSLATE_NOOP("ControlHelp", "Carrier frequency"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "Carrier frequency, 32 to 128 Hz")},
    ControlText{"carrierFrequencyBox",
                QT_TRANSLATE_NOOP("ControlHelp", "Carrier frequency, Hz"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "The carrier frequency in Hz")},
    ControlText{"schemeList",
                QT_TRANSLATE_NOOP("ControlHelp", "Modulation scheme"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "How the message modulates the carrier")},
    ControlText{"depthBar",
                QT_TRANSLATE_NOOP("ControlHelp", "Modulation depth"),
                QT_TRANSLATE_NOOP("ControlHelp", "The up arrow raises the modulation depth"),
                QT_TRANSLATE_NOOP("ControlHelp", "Modulation depth, 0.2 to 2: the upper arrow raises it, the lower arrow lowers it")},
    ControlText{"depthBox",
                QT_TRANSLATE_NOOP("ControlHelp", "Modulation depth value"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "The modulation depth")},
    ControlText{"twoSidedCheckBox",
                QT_TRANSLATE_NOOP("ControlHelp", "Two-Sided Spectra"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "Show the spectra from −125.7 to 125.5 Hz, zero in the middle, instead of from 0 to 251.2 Hz")},
    ControlText{"linearCheckBox",
                QT_TRANSLATE_NOOP("ControlHelp", "Linear Plots"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "Show the spectra on a linear power scale instead of a logarithmic one")},
    ControlText{"memoryButton",
                QT_TRANSLATE_NOOP("ControlHelp", "Memory"),
                QT_TRANSLATE_NOOP("ControlHelp", "Freezes a copy of each spectrum, drawn in brown"),
                QT_TRANSLATE_NOOP("ControlHelp", "Freeze a copy of both spectra, drawn in brown, to compare with; click again to let it go")},
    ControlText{"modulatedTraceButton",
                QT_TRANSLATE_NOOP("ControlHelp", "Modulated trace"),
                QT_TRANSLATE_NOOP("ControlHelp", "Shows the time trace of the modulated signal"),
                QT_TRANSLATE_NOOP("ControlHelp", "Show the modulated signal")},
    ControlText{"modulatedSpectrumButton",
                QT_TRANSLATE_NOOP("ControlHelp", "Modulated spectrum trace"),
                QT_TRANSLATE_NOOP("ControlHelp", "Shows the live spectrum of the modulated signal"),
                QT_TRANSLATE_NOOP("ControlHelp", "Show the live modulated spectrum")},
    ControlText{"messageFrame", QT_TRANSLATE_NOOP("ControlHelp", "Message controls"), {}, {}},
    ControlText{"carrierFrame", QT_TRANSLATE_NOOP("ControlHelp", "Carrier controls"), {}, {}},
    ControlText{"modulationFrame", QT_TRANSLATE_NOOP("ControlHelp", "Modulation controls"), {}, {}},
    ControlText{"cursorMarker", QT_TRANSLATE_NOOP("ControlHelp", "Readout cursor"), {}, {}},
    ControlText{"logo",
                QT_TRANSLATE_NOOP("ControlHelp", "Quorvane logo"),
                {},
                {}},
});

// Each label and the control it names, so that assistive tools can relate
// them. A screen reader speaks the label in place of the name, so only the
// lists keep theirs: both frequency bars sit beside a "Frequency", the depth
// bar's name says more than its label, and the "Hz" labels are units.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kBuddies{{
    {"messageTypeLabel", "messageTypeList"},
    {"schemeLabel", "schemeList"},
}};

constexpr char kContext[] = "ControlHelp";

const ControlText* TextOf(const QWidget& control)
{
    for (const ControlText& text : kTexts)
        if (control.objectName() == ToQString(text.control))
            return &text;
    return nullptr;
}

// Every accessible description is set here.
void Describe(QWidget& control, const QString& description)
{
    if (control.accessibleDescription() != description)
        control.setAccessibleDescription(description);
}

}  // namespace

QString WithGuideHint(const QString& text)
{
    const QString hint = QCoreApplication::translate("ControlHelp", "F1: class guide");
    return text.isEmpty() ? hint : text + QLatin1Char('\n') + hint;
}

void SetHelp(QWidget& control)
{
    const ControlText* text = TextOf(control);
    if (!text)
        return;
    control.setAccessibleName(Translated(kContext, text->name));
    Describe(control, WithGuideHint(Translated(kContext, text->description)));
    if (!text->toolTip.empty())
        control.setToolTip(WithGuideHint(Translated(kContext, text->toolTip)));
}

void SetControlHelp(QWidget& window)
{
    for (const ControlText& text : kTexts)
        if (auto* control = window.findChild<QWidget*>(ToQString(text.control)))
            SetHelp(*control);
    for (const auto& [label, control] : kBuddies) {
        auto* labelWidget = window.findChild<QLabel*>(ToQString(label));
        auto* controlWidget = window.findChild<QWidget*>(ToQString(control));
        if (labelWidget && controlWidget)
            labelWidget->setBuddy(controlWidget);
    }
}

void SetPauseHelp(QWidget& button, PauseState state)
{
    const QString next = WithGuideHint(
        state == PauseState::running
            ? QCoreApplication::translate("ControlHelp", "Pause the display: the pictures stand still")
            : QCoreApplication::translate("ControlHelp", "Continue the display"));
    button.setToolTip(next);
    Describe(button, next);
}

// The live reading is spoken alone; the guide's hint belongs to what the
// picture shows.
void DescribeReading(QWidget& picture, const QString& figures)
{
    const ControlText* text = TextOf(picture);
    Describe(picture, !figures.isEmpty() ? figures
                      : text          ? WithGuideHint(Translated(kContext, text->description))
                                      : QString());
}

}  // namespace quorvane
