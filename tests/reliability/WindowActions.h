#pragma once

// What a user (or the frame clock) can do to the window, as a byte pair an
// action and its argument, and how often a lesson does each.

#include <array>
#include <cstdint>
#include <random>


namespace quorvane::testing {

// One step a user (or the timer) takes. The argument byte picks the control
// and the detail; every action takes any argument.
enum class Action : std::uint8_t {
    Tick,
    ListChoose,     // pick an item: set it and raise activated, as a choice from the list does
    ListKey,        // arrows, Home, End, page keys, first letters, Space on a closed list
    ListWheel,
    ListPopup,      // open or close the list's popup, or click into it
    PopupKey,       // keys to an open popup
    ScrollStep,     // arrow and page steps, ends
    ScrollSet,
    ScrollKey,
    ScrollWheel,
    ScrollMouse,    // a click along the bar: arrows, trough, thumb
    DragStart,      // press on the thumb and move it
    DragMove,
    DragEnd,
    CheckClick,
    CheckSpace,
    CheckSet,       // the program sets a state, greyed included
    Pause,
    PictureClick,
    Type,           // typing and pasting into the text boxes
    ProcessEvents,
    Receiver,       // open or close it, choose its detector, move its bars
};
inline constexpr int kActionCount = static_cast<int>(Action::Receiver) + 1;

inline constexpr std::array<const char*, 5> kScrollNames{"timeScrollBar", "timeZoomBar", "messageFrequencyBar",
                                                         "carrierFrequencyBar", "depthBar"};
inline constexpr std::array<const char*, 5> kCheckNames{"twoSidedCheckBox", "memoryButton", "modulatedTraceButton",
                                                        "modulatedSpectrumButton", "linearCheckBox"};
inline constexpr std::array<const char*, 5> kPictureNames{"messageSpectrumPicture", "modulatedSpectrumPicture", "messagePicture",
                                                          "carrierPicture", "modulatedPicture"};
inline constexpr std::array<const char*, 3> kTextNames{"messageFrequencyBox", "carrierFrequencyBox", "depthBox"};

// Whether an action can never restart a spectrum average: the first two scroll
// bars, the first four check boxes and anything but a left click on a spectrum
// leave the counters alone. A drag may still be held on another bar, so the
// caller ends drags before relying on this.
inline bool LeavesAveragesAlone(Action action, std::uint8_t argument)
{
    switch (action) {
        case Action::Tick:
        case Action::Pause:
        case Action::Type:
        case Action::ProcessEvents:
        case Action::Receiver:
        case Action::DragMove: return true;
        case Action::ScrollStep:
        case Action::ScrollSet:
        case Action::ScrollKey:
        case Action::ScrollWheel:
        case Action::ScrollMouse:
        case Action::DragStart:
        case Action::DragEnd: return argument % kScrollNames.size() < 2;
        case Action::CheckClick:
        case Action::CheckSpace:
        case Action::CheckSet: return argument % kCheckNames.size() < 4;
        case Action::PictureClick:
            return argument % kPictureNames.size() >= 2 || (argument / kPictureNames.size()) % 3 != 0;
        case Action::ListChoose:
        case Action::ListKey:
        case Action::ListWheel:
        case Action::ListPopup:
        case Action::PopupKey: return false;
    }
    return false;
}

// A random action as a classroom mixes them: every kind but the frame itself,
// which the caller runs anyway; pausing and event processing rarer, as long
// pauses stop the counters that must reach their top.
inline Action DrawAction(std::mt19937& random)
{
    struct Weighted {
        Action action;
        int weight;
    };
    static constexpr Weighted kMix[] = {
        {Action::ListChoose, 3},  {Action::ListKey, 3},      {Action::ListWheel, 2},
        {Action::ListPopup, 2},   {Action::PopupKey, 2},     {Action::ScrollStep, 3},
        {Action::ScrollSet, 3},   {Action::ScrollKey, 3},    {Action::ScrollWheel, 2},
        {Action::ScrollMouse, 3}, {Action::DragStart, 2},    {Action::DragMove, 2},
        {Action::DragEnd, 2},     {Action::CheckClick, 3},   {Action::CheckSpace, 2},
        {Action::CheckSet, 3},    {Action::PictureClick, 3}, {Action::Type, 2},
        {Action::Pause, 1},       {Action::ProcessEvents, 1},
    };
    int total = 0;
    for (const Weighted& w : kMix)
        total += w.weight;
    int pick = std::uniform_int_distribution<int>(0, total - 1)(random);
    for (const Weighted& w : kMix) {
        if (pick < w.weight)
            return w.action;
        pick -= w.weight;
    }
    return Action::ProcessEvents;
}

}  // namespace quorvane::testing
