#pragma once

// A long test's size (ticks, batches, points): its usual figure, unless the
// environment names a smaller one where every frame is many times slower (the
// sanitizer and arm64 test presets set these).

#include <cstdlib>

namespace quorvane::testing {

inline long EnvironmentSize(const char* name, long usual)
{
    if (const char* text = std::getenv(name)) {
        const long size = std::strtol(text, nullptr, 10);
        if (size > 0)
            return size;
    }
    return usual;
}

}  // namespace quorvane::testing
