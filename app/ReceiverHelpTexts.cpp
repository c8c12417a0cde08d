#include <array>

#include "app/HelpTexts.h"

namespace quorvane {
namespace {

// As the window's: the pictures' readout takes the place of a tooltip.
constexpr auto kTexts = std::to_array<ControlHelpText>({
    ControlHelpText{"receivedSignalPicture",
                QT_TRANSLATE_NOOP("ControlHelp", "Received signal"),
                QT_TRANSLATE_NOOP("ControlHelp", "Time trace of the modulated signal with the channel's noise, in dark blue"),
                {}},
    ControlHelpText{"recoveredMessagePicture",
                QT_TRANSLATE_NOOP("ControlHelp", "Recovered message"),
                QT_TRANSLATE_NOOP("ControlHelp", "The detector's output in magenta over the message in dark green, on the message's scale"),
                {}},
    ControlHelpText{"detectorList",
                QT_TRANSLATE_NOOP("ControlHelp", "Detector"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "How the receiver gets the message back: envelope, product, frequency or phase detector")},
    ControlHelpText{"oscillatorPhaseBar",
                QT_TRANSLATE_NOOP("ControlHelp", "Local oscillator phase"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "Phase of the product detector's local carrier, 0 to 180 degrees, in steps of 15")},
    ControlHelpText{"oscillatorPhaseBox",
                QT_TRANSLATE_NOOP("ControlHelp", "Local oscillator phase, degrees"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "The local oscillator's phase in degrees")},
    ControlHelpText{"channelNoiseBar",
                QT_TRANSLATE_NOOP("ControlHelp", "Channel noise"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "Noise added on the way: none, then 30 to -15 dB below the signal's power; to the right the noise grows")},
    ControlHelpText{"channelNoiseBox",
                QT_TRANSLATE_NOOP("ControlHelp", "Channel noise, dB below the signal"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "How far the channel's noise lies below the received signal's power")},
    ControlHelpText{"sinadBox",
                QT_TRANSLATE_NOOP("ControlHelp", "Signal-to-noise ratio, dB"),
                {},
                QT_TRANSLATE_NOOP("ControlHelp", "Signal-to-noise ratio of the recovered message in dB, averaged since the last change")},
});

}  // namespace

std::span<const ControlHelpText> ReceiverHelpTexts()
{
    return kTexts;
}

}  // namespace quorvane
