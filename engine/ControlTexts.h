#pragma once

#include <array>
#include <string_view>

namespace quorvane {

// Language-free keys. The window shows each key's translation and hands the
// engine the key, so the engine decides the same way in every language.

// cmbData's keys, which the message generator switches on.
inline constexpr std::string_view kSineWave = "Sine Wave";
inline constexpr std::string_view kWhiteNoise = "White Noise";
inline constexpr std::string_view kFilteredNoise = "Filtered Noise";
inline constexpr std::string_view kSquareWave = "Square Wave";
inline constexpr std::array kMessageTypes{kSineWave, kWhiteNoise, kFilteredNoise, kSquareWave};

// cmbMod's keys, which the modulator switches on.
inline constexpr std::string_view kDsbSc = "DSB-SC";
inline constexpr std::string_view kAm = "AM";
inline constexpr std::string_view kFm = "FM";
inline constexpr std::string_view kPm = "PM";
inline constexpr std::array kSchemes{kDsbSc, kAm, kFm, kPm};

// cmdPause's captions: a frame runs only while the caption is kRunningCaption.
inline constexpr std::string_view kRunningCaption = "Pause";
inline constexpr std::string_view kPausedCaption = "Cont";

}  // namespace quorvane
