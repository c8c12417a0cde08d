#pragma once

#include <QString>
#include <string_view>

namespace quorvane {

// The context under which the window's captions, list texts and the pause
// captions are translated.
inline constexpr char kWindowContext[] = "MainWindow";

// `text`, a source text lupdate found under `context`, in the class's language.
QString translated(const char* context, std::string_view text);

// What the window shows for a language-free key of the window: its translation
// into the class's language, or the key itself where there is none.
QString shownText(std::string_view key);

}  // namespace quorvane
