#pragma once

#include <QString>
#include <QWidget>
#include <stdexcept>

namespace quorvane::testing {

// The window's control of that object name; a test that names one the window
// lacks fails with the name rather than crashing on a null pointer.
template <typename Control>
Control& Find(const QWidget& form, const QString& name)
{
    auto* control = form.findChild<Control*>(name);
    if (!control)
        throw std::runtime_error("no control named " + name.toStdString());
    return *control;
}

}  // namespace quorvane::testing
