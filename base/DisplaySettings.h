#pragma once

#include <cstdint>

namespace quorvane {

// The window's on/off switches.
enum class Switch { linear, twoSided, memory, modulatedTrace, modulatedSpectrum };

// The bars that set a number, and the time traces' scroll and zoom bars.
enum class Bar { messageFrequency, carrierFrequency, depth, timeScroll, timeZoom };

// A switch may also be greyed, which callers must take as neither on nor off:
// every reader asks for one state exactly.
enum class CheckState { unchecked, checked, greyed };

// The switches and bars a frame reads at the moment it needs them; of the
// bars, the plots read the time bars.
class DisplaySettings {
public:
    virtual ~DisplaySettings() = default;
    virtual CheckState SwitchState(Switch which) const = 0;
    virtual int BarPosition(Bar bar) const = 0;
};

// A time bar's position as the plots count it, in 16 bits.
inline std::int16_t TimeBarPosition(const DisplaySettings& settings, Bar bar)
{
    return static_cast<std::int16_t>(settings.BarPosition(bar));
}

}  // namespace quorvane
