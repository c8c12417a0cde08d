#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// lupdate reads this marker as text wherever it stands, so each key below is
// both what the engine names a choice by and the source of its translation.
// The definition is Qt's own, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace quorvane {

// The choices the engine decides on, in the order the window lists them.
enum class MessageType { sine, whiteNoise, filteredNoise, square };
enum class Scheme { dsbSc, am, fm, pm };
// Whether frames run; the pause button offers the other state.
enum class PauseState { running, paused };

inline constexpr std::array kMessageTypes{MessageType::sine, MessageType::whiteNoise,
                                          MessageType::filteredNoise, MessageType::square};
inline constexpr std::array kSchemes{Scheme::dsbSc, Scheme::am, Scheme::fm, Scheme::pm};

// Each choice's language-free key: the window shows its translation.
inline constexpr std::array<std::string_view, 4> kMessageTypeKeys{
    QT_TRANSLATE_NOOP("MainWindow", "Sine Wave"),
    QT_TRANSLATE_NOOP("MainWindow", "White Noise"),
    QT_TRANSLATE_NOOP("MainWindow", "Filtered Noise"),
    QT_TRANSLATE_NOOP("MainWindow", "Square Wave"),
};
inline constexpr std::array<std::string_view, 4> kSchemeKeys{
    QT_TRANSLATE_NOOP("MainWindow", "DSB-SC"),
    QT_TRANSLATE_NOOP("MainWindow", "AM"),
    QT_TRANSLATE_NOOP("MainWindow", "FM"),
    QT_TRANSLATE_NOOP("MainWindow", "PM"),
};
// The pause button's caption in each state: what pressing it would do.
inline constexpr std::array<std::string_view, 2> kPauseKeys{
    QT_TRANSLATE_NOOP("MainWindow", "Pause"),
    QT_TRANSLATE_NOOP("MainWindow", "Cont"),
};

constexpr std::string_view Key(MessageType type)
{
    return kMessageTypeKeys[static_cast<std::size_t>(type)];
}

constexpr std::string_view Key(Scheme scheme)
{
    return kSchemeKeys[static_cast<std::size_t>(scheme)];
}

constexpr std::string_view Key(PauseState state)
{
    return kPauseKeys[static_cast<std::size_t>(state)];
}

}  // namespace quorvane
