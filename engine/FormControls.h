#pragma once

#include <cstdint>
#include <string_view>

namespace quorvane {

enum class ListId { cmbData, cmbMod };
enum class CheckId { chkLinear, chkTwoSides, chkMemory, chkPassband, chkSpectrum };
enum class ScrollId { hscDataScroll, hscDataZoom };

// A check box's value: 0 unchecked, 1 checked, 2 greyed. Callers compare with
// 0 or 1 exactly, so greyed satisfies neither test.
inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;
inline constexpr int kGreyed = 2;

// The few control reads the engine and the plots make, taken at the moment of
// use. The window implements it with its widgets; tests with plain fakes.
class FormControls {
public:
    virtual ~FormControls() = default;
    virtual std::string_view ListText(ListId list) const = 0;
    virtual int CheckValue(CheckId check) const = 0;
    virtual std::int16_t ScrollValue(ScrollId scroll) const = 0;
    virtual std::string_view PauseCaption() const = 0;
};

}  // namespace quorvane
