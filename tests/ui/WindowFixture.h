#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "CaseName.h"
#include "support/FindControl.h"
#include "ui/guide/ClassGuide.h"
#include "ui/magnification/Magnifier.h"
#include "ui/readout/PointerReadout.h"
#include "ui/window/MainWindow.h"

namespace quorvane::testing {

// A freshly started window, as the user first sees it.
class WindowTest : public ::testing::Test {
protected:
    template <typename Control>
    Control& Get(const QString& name)
    {
        return Find<Control>(*form, name);
    }

    SignalState& State() { return form->state(); }

    std::unique_ptr<MainWindow> form = std::make_unique<MainWindow>();
};

}  // namespace quorvane::testing
