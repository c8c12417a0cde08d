#include <gtest/gtest.h>

#include <memory>

#include "app/Controller.h"
#include "engine/Choices.h"
#include "engine/Receiver.h"
#include "support/CountingNew.h"
#include "support/FakeControls.h"
#include "support/FakePanel.h"
#include "support/FakeReceiverPanel.h"
#include "support/RecordingSurface.h"
#include "support/RecordingWindow.h"

namespace quorvane {
namespace {

using testing::FakeControls;
using testing::gAllocations;
using testing::RecordingWindow;

TEST(FrameAllocation, TicksAllocateNothingAfterStartUp)
{
    RecordingWindow window;
    FakeControls controls;
    controls.Heaviest();
    const long before = gAllocations.load();
    for (int tick = 0; tick < 320; ++tick) {
        controls.VaryFor(tick);
        window.Tick(controls);
    }
    EXPECT_EQ(gAllocations.load() - before, 0);
}

// The frame cycle keeps sines, logarithms and modulated signals between
// frames in storage of its own: refilling it as the parameters change, every
// tick, allocates nothing either.
TEST(FrameAllocation, ChangingParametersRefillTheKeptValuesWithoutAllocating)
{
    RecordingWindow window;
    FakeControls controls;
    controls.Heaviest();
    controls.linear = CheckState::unchecked;
    const MessageType types[] = {MessageType::sine, MessageType::square};
    const Scheme schemes[] = {Scheme::fm, Scheme::pm};
    const long before = gAllocations.load();
    for (int tick = 0; tick < 200; ++tick) {
        window.state->messageFrequencyDaHz = (16 + tick % 49) / 64.0;
        window.state->carrierFrequencyDaHz = (16 + (tick * 7) % 49) / 5.0;
        window.state->depth = (10 - tick % 10) / 5.0;
        controls.messageType = types[tick % 2];
        controls.scheme = schemes[(tick / 2) % 2];
        window.Tick(controls);
        window.Tick(controls);  // the kept values in use
    }
    EXPECT_EQ(gAllocations.load() - before, 0);
}

TEST(FrameAllocation, ReceiverFramesAllocateNothing)
{
    RecordingWindow window;
    FakeControls controls;
    window.Tick(controls);
    auto receiver = std::make_unique<ReceiverState>();
    const long before = gAllocations.load();
    for (int frame = 0; frame < 44; ++frame)
        RunReceiver(*receiver, *window.state, kSchemes[frame % 4],
                    {kDetectors[(frame / 4) % 4], frame % 13, frame % 11});
    EXPECT_EQ(gAllocations.load() - before, 0);
}

// The whole frame with the receiver open: the window's part, the receiver's,
// both its pictures and the figure's box, at the heaviest zoom.
TEST(FrameAllocation, TicksWithTheReceiverOpenAllocateNothing)
{
    testing::FakePanel panel;
    testing::RecordingSurface surface;
    Controller controller(panel, {surface, surface, surface, surface, surface}, ".");
    panel.controller = &controller;
    controller.StartUp();
    panel.bars[static_cast<std::size_t>(Bar::timeZoom)] = 4;
    testing::FakeReceiverPanel receiverPanel;
    testing::RecordingSurface received, recovered;
    controller.OpenReceiver(receiverPanel, {received, recovered});
    const long before = gAllocations.load();
    for (int tick = 0; tick < 40; ++tick) {
        receiverPanel.detector = kDetectors[tick % 4];
        receiverPanel.bars = {tick % 13, tick % 11};
        controller.Tick();
    }
    EXPECT_EQ(gAllocations.load() - before, 0);
}

}  // namespace
}  // namespace quorvane
