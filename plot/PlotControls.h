#pragma once

#include <cstdint>

namespace quorvane {

enum class CheckId { chkLinear, chkTwoSides, chkMemory, chkPassband, chkSpectrum };
enum class ScrollId { hscDataScroll, hscDataZoom };

// A check box's value: 0 unchecked, 1 checked, 2 greyed. Callers compare with
// 0 or 1 exactly, so greyed satisfies neither test.
inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;
inline constexpr int kGreyed = 2;

// The switches the plots read at the moment they draw: the check boxes of the
// spectra and the time traces' zoom and scroll bars.
class PlotControls {
public:
    virtual ~PlotControls() = default;
    virtual int CheckValue(CheckId check) const = 0;
    virtual std::int16_t ScrollValue(ScrollId scroll) const = 0;
};

}  // namespace quorvane
