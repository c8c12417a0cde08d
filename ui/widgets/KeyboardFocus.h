#pragma once

#include <QFocusEvent>

namespace quorvane {

// Focus is marked only when it arrives from the keyboard, so the window looks
// as designed until someone tabs through it.
inline bool cameFromKeyboard(const QFocusEvent& event)
{
    return event.reason() == Qt::TabFocusReason || event.reason() == Qt::BacktabFocusReason;
}

}  // namespace quorvane
