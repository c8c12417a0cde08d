#pragma once

class QWidget;

namespace quorvane {

// Gives every control of the form the name a sighted user reads beside it,
// and the pictures a description of what they show, for screen readers.
void SetAccessibleNames(QWidget& form);

}  // namespace quorvane
