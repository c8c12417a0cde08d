#pragma once

#include <string_view>

namespace quorvane {

// A modal box with the text and an OK button only, titled with the
// application's name; returns once it is dismissed.
void showMessage(std::string_view text);

}  // namespace quorvane
