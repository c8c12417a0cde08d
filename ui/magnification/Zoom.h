#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace quorvane {

// The magnifications the window steps through, as a display scale would
// magnify it; 1 is the design's own size.
inline constexpr std::array kZoomSteps{0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                                       1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0};

// The largest step at which a window of `client` pixels at 100 %, plus
// `decoration` around it, fits `available`; the smallest step where none does.
double LargestFittingStep(QSize client, QSize decoration, QSize available);

// The next step above or below `current` (which need not be a step), held
// at the ends.
double StepAbove(double current);
double StepBelow(double current);

// The largest factor at which `client` fits `screen`, for showing full screen.
double FullScreenFactor(QSize client, QSize screen);

// A box of the design (pixels at 100 %) magnified by `factor` and moved by
// `offset`. Edges are rounded, not sizes, so boxes that touch keep touching.
QRect Magnified(const QRect& design, double factor, QPoint offset = {});

}  // namespace quorvane
