#pragma once

namespace quorvane {

// Makes the window's own controls read as what they are to screen readers:
// the parameter bars in the units their boxes show, the pictures as images,
// the push-button switches as toggle buttons, the lists with their choice as
// text, and the read-only boxes with no text that can be written. Installed
// once; later calls do nothing.
void InstallAccessibleControls();

}  // namespace quorvane
