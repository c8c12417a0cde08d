#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/Controller.h"
#include "app/WindowDesign.h"

namespace quorvane::web {

// The page's controls as the controller sees them: their values, set by the
// page's events, and what the controller asks them to show. Each change
// raises what the same change raises on the desktop's widgets.
class WebPanel final : public ControlPanel {
public:
    Controller* controller = nullptr;
    std::array<int, 5> bars{};  // by Bar
    std::array<CheckState, 5> switches{};
    MessageType messageType = MessageType::sine;
    Scheme scheme = Scheme::dsbSc;
    PauseState pause = PauseState::running;
    std::array<std::string, 3> texts;  // by Box
    std::int32_t memoryColour = 0;
    std::int16_t markerX = 0;
    bool clockRunning = true;

    // The design's starting values, which raise nothing.
    WebPanel()
    {
        for (std::size_t i = 0; i < bars.size(); ++i)
            bars[i] = DesignOf(ControlName(static_cast<Bar>(i))).scroll.value;
        for (std::size_t i = 0; i < switches.size(); ++i)
            switches[i] = DesignOf(ControlName(static_cast<Switch>(i))).checked ? CheckState::checked
                                                                                : CheckState::unchecked;
        markerX = static_cast<std::int16_t>(ZeroMarkerDesigns()[0].x1);
    }

    // A bar let go, or moved, at `position`: the parameter bars' handlers run.
    void MoveBar(Bar bar, int position)
    {
        int& now = bars[static_cast<std::size_t>(bar)];
        if (now == position)
            return;
        now = position;
        controller->BarChanged(bar);
    }

    void Toggle(Switch which, bool on)
    {
        CheckState& now = switches[static_cast<std::size_t>(which)];
        const CheckState next = on ? CheckState::checked : CheckState::unchecked;
        if (now == next)
            return;
        now = next;
        controller->SwitchChanged(which);
    }

    // A choice from a list: the choice reaches the panel first; its handler
    // runs on every choice, as the desktop's click handler does.
    void ChooseFromList(List list, int index)
    {
        if (list == List::messageType && index >= 0 && index < static_cast<int>(kMessageTypes.size()))
            messageType = kMessageTypes[static_cast<std::size_t>(index)];
        else if (list == List::scheme && index >= 0 && index < static_cast<int>(kSchemes.size()))
            scheme = kSchemes[static_cast<std::size_t>(index)];
        else
            return;
        controller->ListChosen(list);
    }

    CheckState SwitchState(Switch which) const override { return switches[static_cast<std::size_t>(which)]; }
    MessageType ChosenMessageType() const override { return messageType; }
    Scheme ChosenScheme() const override { return scheme; }
    PauseState ShownPauseState() const override { return pause; }

    int BarPosition(Bar bar) const override { return bars[static_cast<std::size_t>(bar)]; }
    void SetBarPosition(Bar bar, int position) override { MoveBar(bar, position); }
    void SetSwitch(Switch which, bool on) override { Toggle(which, on); }
    void FillList(List list) override
    {
        if (list == List::messageType)
            messageType = kMessageTypes[0];
        else
            scheme = kSchemes[0];
        controller->ListChosen(list);
    }
    void Choose(MessageType type) override
    {
        if (type != messageType)
            ChooseFromList(List::messageType, static_cast<int>(type));
    }
    void Choose(Scheme next) override
    {
        if (next != scheme)
            ChooseFromList(List::scheme, static_cast<int>(next));
    }
    void ShowText(Box box, std::string_view text) override { texts[static_cast<std::size_t>(box)] = text; }
    void ShowPauseState(PauseState state) override { pause = state; }
    void ColourMemoryCaption(std::int32_t colour) override { memoryColour = colour; }
    void PlaceZeroMarkers(std::int16_t x) override { markerX = x; }
    bool FrameClockRunning() const override { return clockRunning; }
    void StartFrameClock() override { clockRunning = true; }
    void StopFrameClock() override { clockRunning = false; }
};

}  // namespace quorvane::web
