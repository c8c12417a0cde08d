#pragma once

#include <string_view>

#include "plot/PlotControls.h"

namespace quorvane {

enum class ListId { cmbData, cmbMod };

// The few control reads the engine and the plots make, taken at the moment of
// use: the plots' switches, the two lists' texts and the pause caption. The
// window implements it with its widgets; tests with plain fakes.
class FormControls : public PlotControls {
public:
    virtual std::string_view ListText(ListId list) const = 0;
    virtual std::string_view PauseCaption() const = 0;
};

}  // namespace quorvane
