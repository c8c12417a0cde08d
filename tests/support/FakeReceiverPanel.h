#pragma once

#include <array>
#include <string>

#include "app/ReceiverPanel.h"

namespace quorvane::testing {

// The receiver's controls as plain fields; the boxes keep what they were shown.
struct FakeReceiverPanel final : ReceiverPanel {
    Detector detector = Detector::envelope;
    std::array<int, 2> bars{0, 0};
    std::array<std::string, 3> boxes;
    int fills = 0;

    Detector ChosenDetector() const override { return detector; }
    int BarPosition(ReceiverBar bar) const override { return bars[static_cast<std::size_t>(bar)]; }
    void ChooseDetector(Detector chosen) override { detector = chosen; }
    void SetBarPosition(ReceiverBar bar, int position) override { bars[static_cast<std::size_t>(bar)] = position; }
    void FillDetectorList() override { ++fills; }
    void ShowText(ReceiverBox box, std::string_view text) override { boxes[static_cast<std::size_t>(box)] = text; }
};

}  // namespace quorvane::testing
