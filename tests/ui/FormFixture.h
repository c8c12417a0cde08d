#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <stdexcept>

#include "CaseName.h"
#include "ui/Form1.h"

namespace quorvane::testing {

template <typename Control>
Control& Find(const QWidget& form, const QString& name)
{
    auto* control = form.findChild<Control*>(name);
    if (!control)
        throw std::runtime_error("no control named " + name.toStdString());
    return *control;
}

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
