#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/ControlTexts.h"
#include "engine/FormControls.h"

namespace quorvane::testing {

// Controls as plain fields, starting where the window's design and start-up
// leave them.
struct FakeControls final : FormControls {
    std::string cmbData{kSineWave};
    std::string cmbMod{kDsbSc};
    std::string cmdPause{kRunningCaption};
    int chkLinear = kChecked;
    int chkTwoSides = kUnchecked;
    int chkMemory = kUnchecked;
    int chkPassband = kUnchecked;
    int chkSpectrum = kUnchecked;
    std::int16_t hscDataScroll = 0;
    std::int16_t hscDataZoom = 1;

    std::string_view ListText(ListId list) const override
    {
        return list == ListId::cmbData ? cmbData : cmbMod;
    }
    int CheckValue(CheckId check) const override
    {
        switch (check) {
        case CheckId::chkLinear: return chkLinear;
        case CheckId::chkTwoSides: return chkTwoSides;
        case CheckId::chkMemory: return chkMemory;
        case CheckId::chkPassband: return chkPassband;
        case CheckId::chkSpectrum: return chkSpectrum;
        }
        return kUnchecked;
    }
    std::int16_t ScrollValue(ScrollId scroll) const override
    {
        return scroll == ScrollId::hscDataScroll ? hscDataScroll : hscDataZoom;
    }
    std::string_view PauseCaption() const override { return cmdPause; }

    // The heaviest drawing: zoom 4 with the modulated trace and spectrum on.
    void Heaviest()
    {
        chkPassband = kChecked;
        chkSpectrum = kChecked;
        hscDataZoom = 4;
    }

    // Walks every message type and scheme, and the memory, linear and
    // two-sided switches, at staggered rates, one setting per tick number.
    void VaryFor(int tick)
    {
        cmbData = kMessageTypes[tick % 4];
        cmbMod = kSchemes[(tick / 4) % 4];
        chkMemory = (tick / 7) % 2;
        chkLinear = (tick / 11) % 2;
        chkTwoSides = (tick / 13) % 2;
    }
};

}  // namespace quorvane::testing
