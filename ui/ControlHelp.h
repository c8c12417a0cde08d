#pragma once

#include <QString>
#include <string_view>

class QWidget;

namespace quorvane {

// Gives every control of the form the name a sighted user reads beside it,
// the pictures a description of what they show, for screen readers, and every
// control a user operates a tooltip saying what it does and its range; every
// description and tooltip ends by naming the key of the class guide.
void SetControlHelp(QWidget& form);

// `text` with a last line telling where the class guide is; the hint alone
// for an empty text.
QString WithGuideHint(const QString& text);

// What a click on cmdPause will do while it shows this caption.
QString PauseToolTip(std::string_view caption);

}  // namespace quorvane
