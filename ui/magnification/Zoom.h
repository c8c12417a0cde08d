#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "app/ZoomSteps.h"

namespace quorvane {

// The largest step at which a window of `client` pixels at 100 %, plus
// `decoration` around it, fits `available`; the smallest step where none does.
double largestFittingStep(QSize client, QSize decoration, QSize available);

// The next step above or below `current` (which need not be a step), held
// at the ends.
double stepAbove(double current);
double stepBelow(double current);

// The largest factor at which `client` fits `screen`, for showing full screen.
double fullScreenFactor(QSize client, QSize screen);

// A box of the design (pixels at 100 %) magnified by `factor` and moved by
// `offset`. Edges are rounded, not sizes, so boxes that touch keep touching.
QRect magnified(const QRect& design, double factor, QPoint offset = {});

}  // namespace quorvane
