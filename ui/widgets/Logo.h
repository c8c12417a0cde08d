#pragma once

#include <QPixmap>

namespace quorvane {

inline constexpr int kLogoWidth = 300;
inline constexpr int kLogoHeight = 48;

// The wordmark with a small amplitude-modulated wave, in the trace colours,
// rendered for the given device pixel ratio.
QPixmap drawLogo(qreal devicePixelRatio);

}  // namespace quorvane
