#pragma once

#include <cstdint>

namespace quorvane {

// The window's on/off switches.
enum class Switch { linear, twoSided, memory, modulatedTrace, modulatedSpectrum };

// The time traces' scroll and zoom bars.
enum class TimeBar { scroll, zoom };

// A switch may also be greyed, which callers must take as neither on nor off:
// every reader asks for one state exactly.
enum class CheckState { unchecked, checked, greyed };

// The switches and bars the plots read at the moment they draw.
class DisplaySettings {
public:
    virtual ~DisplaySettings() = default;
    virtual CheckState SwitchState(Switch which) const = 0;
    virtual std::int16_t TimeBarPosition(TimeBar bar) const = 0;
};

}  // namespace quorvane
