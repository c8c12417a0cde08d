#pragma once

class QString;
class QWidget;

namespace quorvane {

// Makes the window's own controls read as what they are to screen readers:
// the parameter bars in the units their boxes show, the pictures as images,
// the button-like switches over their whole box, the lists with their choice
// as text, and the read-only boxes with no text that can be written. Installed once; later calls do nothing.
void installAccessibleControls();

// Has a screen reader speak a control's new state, such as a list's new
// choice or a button's new caption, while the control keeps the focus.
void announce(QWidget& control, const QString& text);

}  // namespace quorvane
