#pragma once

#include <QString>
#include <string_view>

#include "engine/Choices.h"

class QWidget;

namespace quorvane {

// Gives every control of the window the name a sighted user reads beside it,
// the pictures a description of what they show, for screen readers, and every
// control a user operates a tooltip saying what it does and its range; every
// description and tooltip ends by naming the key of the class guide.
void setControlHelp(QWidget& window);

// `text` with a last line telling where the class guide is; the hint alone
// for an empty text.
QString withGuideHint(const QString& text);

// The same for one control of the window made later, or again when the
// colour-blind palette changes the colour its texts name.
void setHelp(QWidget& control, bool colourBlind = false);

// Tells, by tooltip and to screen readers, what a click on the pause button
// will do in this state.
void setPauseHelp(QWidget& button, PauseState state);

// A picture's description is the reading at its keyboard cursor while that is
// shown, else what the picture shows.
void describeReading(QWidget& picture, const QString& figures);

// A picture's description saying, after what it is, what it shows now: `words`.
void describeShown(QWidget& picture, const QString& words);

}  // namespace quorvane
