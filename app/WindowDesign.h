#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "app/ControlPanel.h"
#include "base/Twips.h"
#include "plot/Colour.h"

namespace quorvane {

enum class ControlKind {
    PictureBox,
    HScrollBar,
    VScrollBar,
    Shape,
    Label,
    ComboBox,
    TextBox,
    CheckBox,
    ButtonCheckBox,
    CommandButton,
    Image,
};

// The three type sizes of the design; None for controls without text.
enum class FontClass { None, Small, Medium, Large };

struct ScrollSettings {
    int minimum = 0;
    int maximum = 0;
    int smallStep = 0;
    int largeStep = 0;
    int value = 0;
    // Whether the value follows the thumb while it is dragged, or only settles
    // where it is let go.
    bool tracking = false;
};

// One control as designed: where it sits and how it starts.
struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    TwipsBox box;
    std::string_view text = {};
    FontClass font = FontClass::None;
    ScrollSettings scroll = {};
    bool checked = false;
    Colour colour = 0;
};

// The three frames' borders, in pixels.
inline constexpr int kShapeBorderWidth = 3;
// The picture boxes' sunken border, in pixels.
inline constexpr int kPictureBorderWidth = 2;

struct LineDesign {
    std::string_view name;
    int x1, y1, x2, y2;
    int width;
};

struct WindowDesign {
    std::string_view caption;
    int clientWidth;
    int clientHeight;
    int frameInterval;  // milliseconds
};

WindowDesign MainWindowDesign();

// Every control, named as the window's member that holds it, in creation
// order, which is also the stacking order among the windowed controls.
std::span<const ControlDesign> ControlDesigns();

// The markers under the two spectra where 0 Hz is drawn.
std::span<const LineDesign> ZeroMarkerDesigns();

// The name the window gives each bar, switch, list, box and picture.
std::string_view ControlName(Bar bar);
std::string_view ControlName(Switch which);
std::string_view ControlName(List list);
std::string_view ControlName(Box box);
std::string_view ControlName(Picture picture);

// The design of the control of that name, which must be one of the window's.
const ControlDesign& DesignOf(std::string_view name);

// The controls in the order Tab visits them.
std::span<const std::string_view> FocusOrder();

double PointSize(FontClass font);

}  // namespace quorvane
