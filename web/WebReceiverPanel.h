#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/Controller.h"
#include "app/ReceiverDesign.h"

namespace quorvane::web {

// The page's receiver controls as the receiver's controller sees them: their
// values, set by the page's events, and the boxes' texts it shows.
class WebReceiverPanel final : public ReceiverPanel {
public:
    Controller* controller = nullptr;
    Detector detector = Detector::envelope;
    std::array<int, 2> bars{};       // by ReceiverBar
    std::array<std::string, 3> texts;  // by ReceiverBox

    // A bar let go at `position`; the receiver's handler runs on a change.
    void MoveBar(ReceiverBar bar, int position)
    {
        int& now = bars[static_cast<std::size_t>(bar)];
        const ScrollSettings& scroll = ReceiverDesignOf(ControlName(bar)).scroll;
        if (position < scroll.minimum || position > scroll.maximum || now == position)
            return;
        now = position;
        controller->ReceiverBarChanged(bar);
    }

    // A choice from the list: the receiver's handler runs on every choice.
    void ChooseFromList(int index)
    {
        if (index < 0 || index >= static_cast<int>(kDetectors.size()))
            return;
        detector = kDetectors[static_cast<std::size_t>(index)];
        controller->ReceiverDetectorChosen();
    }

    Detector ChosenDetector() const override { return detector; }
    int BarPosition(ReceiverBar bar) const override { return bars[static_cast<std::size_t>(bar)]; }
    void FillDetectorList() override { detector = kDetectors[0]; }
    void ChooseDetector(Detector chosen) override
    {
        detector = chosen;
        controller->ReceiverDetectorChosen();
    }
    void SetBarPosition(ReceiverBar bar, int position) override { MoveBar(bar, position); }
    void ShowText(ReceiverBox box, std::string_view text) override { texts[static_cast<std::size_t>(box)] = text; }
};

}  // namespace quorvane::web
