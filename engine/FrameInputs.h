#pragma once

#include "base/DisplaySettings.h"
#include "engine/Choices.h"

namespace quorvane {

// Everything a frame reads from the window's controls, at the moment it needs
// it: the switches and time bars, the two lists' choices and the pause state.
// The window implements it with its controls; tests with plain fakes.
class FrameInputs : public DisplaySettings {
public:
    virtual MessageType ChosenMessageType() const = 0;
    virtual Scheme ChosenScheme() const = 0;
    virtual PauseState ShownPauseState() const = 0;
};

}  // namespace quorvane
