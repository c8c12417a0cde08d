#pragma once

#include "ui/FontPlan.h"
#include "ui/FormLayout.h"

class QWidget;

namespace quorvane {

// Makes one control of the design, named, placed and set as designed.
QWidget* CreateControl(const ControlDesign& design, const FontPlan& fonts, QWidget* parent);

// Labels, frames and the image are painted on the form itself in the design,
// so they lie beneath every other control.
bool LiesBeneath(ControlKind kind);

}  // namespace quorvane
