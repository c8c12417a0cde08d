#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quorvane {

// Where the guide's frame of size `guide` goes on opening: beside the main
// window's frame `main`, on the side with room for it (the right first), its
// top level with the main window's; where neither side has room, against the
// screen edge of the roomier side, so that it covers as little of the
// pictures as it can. Always within `available` where it fits.
QPoint GuidePlacement(QRect main, QSize guide, QRect available);

}  // namespace quorvane
