#pragma once

#include "ui/magnification/FontPlan.h"
#include "app/WindowDesign.h"

class QWidget;

namespace quorvane {

// Makes one control of the design, named, placed and set as designed.
QWidget* createControl(const ControlDesign& design, const FontPlan& fonts, QWidget* parent);

// Labels, frames and the image belong to the window's own surface in the design,
// so they lie beneath every other control.
bool liesBeneath(ControlKind kind);

}  // namespace quorvane
