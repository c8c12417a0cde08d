#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/Controller.h"
#include "support/FakeControls.h"

namespace quorvane::testing {

// The controls as plain fields. Like real controls, a change made through
// the panel raises the control's own event, here a call of the controller's
// handler, and only when the value changes.
struct FakePanel : ControlPanel {
    FakeControls frame;
    std::array<int, 5> bars{16, 16, 9, 0, 1};
    std::array<std::string, 3> boxes;
    std::vector<std::int32_t> captionColours;
    std::int16_t markerX = 6000;
    bool clockRunning = true;
    Controller* controller = nullptr;

    MessageType ChosenMessageType() const override { return frame.messageType; }
    Scheme ChosenScheme() const override { return frame.scheme; }
    PauseState ShownPauseState() const override { return frame.pause; }
    CheckState SwitchState(Switch which) const override { return frame.SwitchState(which); }

    int BarPosition(Bar bar) const override { return bars[static_cast<std::size_t>(bar)]; }
    void SetBarPosition(Bar bar, int position) override
    {
        if (std::exchange(bars[static_cast<std::size_t>(bar)], position) != position)
            controller->BarChanged(bar);
    }
    void SetSwitch(Switch which, bool on) override
    {
        CheckState& state = Field(which);
        const CheckState next = on ? CheckState::checked : CheckState::unchecked;
        if (std::exchange(state, next) != next)
            controller->SwitchChanged(which);
    }
    void FillList(List list) override
    {
        if (list == List::messageType)
            Choose(MessageType::sine);
        else
            Choose(Scheme::dsbSc);
    }
    void Choose(MessageType type) override
    {
        if (std::exchange(frame.messageType, type) != type)
            controller->ListChosen(List::messageType);
    }
    void Choose(Scheme scheme) override
    {
        if (std::exchange(frame.scheme, scheme) != scheme)
            controller->ListChosen(List::scheme);
    }
    void ShowText(Box box, std::string_view text) override { boxes[static_cast<std::size_t>(box)] = text; }
    void ShowPauseState(PauseState state) override { frame.pause = state; }
    void ColourMemoryCaption(std::int32_t colour) override { captionColours.push_back(colour); }
    void PlaceZeroMarkers(std::int16_t x) override { markerX = x; }
    bool FrameClockRunning() const override { return clockRunning; }
    void StartFrameClock() override { clockRunning = true; }
    void StopFrameClock() override { clockRunning = false; }

private:
    CheckState& Field(Switch which)
    {
        switch (which) {
            case Switch::linear: return frame.linear;
            case Switch::twoSided: return frame.twoSided;
            case Switch::memory: return frame.memory;
            case Switch::modulatedTrace: return frame.modulatedTrace;
            case Switch::modulatedSpectrum: break;
        }
        return frame.modulatedSpectrum;
    }
};

}  // namespace quorvane::testing
