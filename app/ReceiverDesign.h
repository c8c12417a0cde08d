#pragma once

#include <span>
#include <string_view>

#include "app/ReceiverPanel.h"
#include "app/WindowDesign.h"

namespace quorvane {

// The context under which the receiver's captions and list texts are translated.
inline constexpr char kReceiverContext[] = "Receiver";

// The receiver's panel, a fixed size; its frame interval is the window's.
WindowDesign ReceiverWindowDesign();

// Every control of the receiver's panel, in creation order.
std::span<const ControlDesign> ReceiverControlDesigns();

// The receiver's controls in the order Tab visits them, after the window's.
std::span<const std::string_view> ReceiverFocusOrder();

std::string_view ControlName(ReceiverBar bar);
std::string_view ControlName(ReceiverBox box);
std::string_view ControlName(ReceiverPicture picture);

// The design of the receiver's control of that name, which must be one of its own.
const ControlDesign& ReceiverDesignOf(std::string_view name);

}  // namespace quorvane
