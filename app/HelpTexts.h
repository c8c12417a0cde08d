#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/Choices.h"

namespace quorvane {

// The context under which the help texts are translated.
inline constexpr char kHelpContext[] = "ControlHelp";

// A control's accessible name, its description for screen readers and its
// tooltip, as language-free keys; empty where it has none.
struct ControlHelpText {
    std::string_view control;
    std::string_view name;
    std::string_view description;
    std::string_view toolTip;
};

// Every control that has help, by the window's control names, and the
// receiver's beside them; HelpOf finds either. Memory's texts name the held
// copy's colour, which the colour-blind palette changes.
std::span<const ControlHelpText> ControlHelpTexts();
std::span<const ControlHelpText> ReceiverHelpTexts();
const ControlHelpText* HelpOf(std::string_view control, bool colourBlind = false);

// A label and the control it names for assistive tools.
struct LabelledControl {
    std::string_view label;
    std::string_view control;
};
std::span<const LabelledControl> LabelledControls();

// The last line of every description and tooltip: where the class guide is.
std::string_view GuideHintKey();

// What a click on the pause button will do while it shows `state`.
std::string_view PauseHelpKey(PauseState state);

// `text` (translated) with `hint` (translated) as its last line; the hint
// alone for an empty text.
std::string WithGuideHint(std::string_view text, std::string_view hint);

}  // namespace quorvane
