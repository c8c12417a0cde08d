#pragma once

#include <cstdint>
#include <string_view>

#include "engine/FrameInputs.h"
#include "plot/Colour.h"

namespace quorvane {

// The read-only boxes beside the parameter bars.
enum class Box { messageFrequency, carrierFrequency, depth };

enum class List { messageType, scheme };

enum class Picture { message, messageSpectrum, carrier, modulated, modulatedSpectrum };

// The window's controls as the controller sees them. A front end implements
// it over its own controls and passes each control's events on to the
// controller. Every change made here raises the control's own events, as the
// same change by hand would.
class ControlPanel : public FrameInputs {
public:
    virtual void SetBarPosition(Bar bar, int position) = 0;
    virtual void SetSwitch(Switch which, bool on) = 0;
    // Fills the list with its choices in order and chooses the first.
    virtual void FillList(List list) = 0;
    virtual void Choose(MessageType type) = 0;
    virtual void Choose(Scheme scheme) = 0;

    virtual void ShowText(Box box, std::string_view text) = 0;
    virtual void ShowPauseState(PauseState state) = 0;
    virtual void ColourMemoryCaption(Colour colour) = 0;
    // Both markers stand at x, in the window's twips.
    virtual void PlaceZeroMarkers(std::int16_t x) = 0;

    // The clock that asks for a frame every design interval.
    virtual bool FrameClockRunning() const = 0;
    virtual void StartFrameClock() = 0;
    virtual void StopFrameClock() = 0;
};

}  // namespace quorvane
