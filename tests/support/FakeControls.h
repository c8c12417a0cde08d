#pragma once

#include <cstdint>

#include "engine/FrameInputs.h"
#include "support/PrintChoices.h"

namespace quorvane::testing {

// Controls as plain fields, starting where the window's design and start-up
// leave them.
struct FakeControls final : FrameInputs {
    MessageType messageType = MessageType::sine;
    Scheme scheme = Scheme::dsbSc;
    PauseState pause = PauseState::running;
    CheckState linear = CheckState::checked;
    CheckState twoSided = CheckState::unchecked;
    CheckState memory = CheckState::unchecked;
    CheckState modulatedTrace = CheckState::unchecked;
    CheckState modulatedSpectrum = CheckState::unchecked;
    std::int16_t timeScroll = 0;
    std::int16_t timeZoom = 1;

    MessageType ChosenMessageType() const override { return messageType; }
    Scheme ChosenScheme() const override { return scheme; }
    PauseState ShownPauseState() const override { return pause; }
    CheckState SwitchState(Switch which) const override
    {
        switch (which) {
            case Switch::linear: return linear;
            case Switch::twoSided: return twoSided;
            case Switch::memory: return memory;
            case Switch::modulatedTrace: return modulatedTrace;
            case Switch::modulatedSpectrum: return modulatedSpectrum;
        }
        return CheckState::unchecked;
    }
    // Of the bars a frame reads only the time bars; the others read 0.
    int BarPosition(Bar bar) const override
    {
        return bar == Bar::timeScroll ? timeScroll : bar == Bar::timeZoom ? timeZoom : 0;
    }

    // The heaviest drawing: zoom 4 with the modulated trace and spectrum on.
    void Heaviest()
    {
        modulatedTrace = CheckState::checked;
        modulatedSpectrum = CheckState::checked;
        timeZoom = 4;
    }

    // Walks every message type and scheme, and the memory, linear and
    // two-sided switches, at staggered rates, one setting per tick number.
    void VaryFor(int tick)
    {
        const auto onEvery = [tick](int period) {
            return (tick / period) % 2 ? CheckState::checked : CheckState::unchecked;
        };
        messageType = kMessageTypes[tick % 4];
        scheme = kSchemes[(tick / 4) % 4];
        memory = onEvery(7);
        linear = onEvery(11);
        twoSided = onEvery(13);
    }
};

}  // namespace quorvane::testing
