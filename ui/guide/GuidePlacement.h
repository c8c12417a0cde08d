#pragma once

#include <QRect>
#include <QSize>

namespace quorvane {

// Where the guide's frame goes on opening, and how wide it is: beside the
// main window's frame `main`, at its `preferred` size, on the side with room
// for it (the right first), its top level with the main window's; where
// neither side has that much room but one has `narrowest`, narrowed to fill
// that side; else against the screen edge of the roomier side, so that it
// covers as little of the pictures as it can. Always within `available`
// where it fits.
QRect guidePlacement(QRect main, QSize preferred, int narrowest, QRect available);

}  // namespace quorvane
