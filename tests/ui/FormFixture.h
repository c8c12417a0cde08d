#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "CaseName.h"
#include "support/FindControl.h"
#include "ui/Form1.h"

namespace quorvane::testing {

// A freshly started window, as the user first sees it.
class FormTest : public ::testing::Test {
protected:
    template <typename Control>
    Control& Get(const QString& name)
    {
        return Find<Control>(*form, name);
    }

    SignalState& State() { return form->State(); }

    std::unique_ptr<Form1> form = std::make_unique<Form1>();
};

}  // namespace quorvane::testing
