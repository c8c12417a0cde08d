#pragma once

#include <ostream>

#include "base/DisplaySettings.h"
#include "engine/Choices.h"

namespace quorvane {

// Names the choices in a failing assertion's message.
inline std::ostream& operator<<(std::ostream& out, MessageType type) { return out << Key(type); }
inline std::ostream& operator<<(std::ostream& out, Scheme scheme) { return out << Key(scheme); }
inline std::ostream& operator<<(std::ostream& out, PauseState state) { return out << Key(state); }
inline std::ostream& operator<<(std::ostream& out, CheckState state)
{
    return out << static_cast<int>(state);
}

}  // namespace quorvane
