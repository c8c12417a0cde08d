#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "app/Frame.h"
#include "engine/Choices.h"
#include "engine/nrFFT.h"
#include "plot/SpectrumPlot.h"
#include "plot/TraceColours.h"
#include "support/FakeControls.h"
#include "support/RecordingWindow.h"

namespace quorvane {
namespace {

using testing::FakeControls;
using testing::RecordingSurface;

struct Frame : ::testing::Test, testing::RecordingWindow {
    FakeControls controls;

    void Tick() { RecordingWindow::Tick(controls); }
    int ClearsOfAll() const
    {
        return messagePicture.clears + messageSpectrumPicture.clears + carrierPicture.clears +
               modulatedPicture.clears + modulatedSpectrumPicture.clears;
    }
};

TEST_F(Frame, PausedTickChangesNothing)
{
    Tick();
    const auto before = std::make_unique<SignalState>(*state);
    const int clears = ClearsOfAll();
    controls.pause = PauseState::paused;
    Tick();
    EXPECT_EQ(ClearsOfAll(), clears);
    EXPECT_EQ(0, std::memcmp(before.get(), state.get(), sizeof(SignalState)));
}

TEST_F(Frame, CarrierIsTheToneAtEvenEntriesWithOddEntriesZero)
{
    Tick();
    for (int i = 0; i < kUsedEntries; i += 2) {
        ASSERT_EQ(state->carrierSignal[i], std::sin(i * 6.4 / 32.0)) << i;
        ASSERT_EQ(state->carrierSignal[i + 1], 0.0) << i;
    }
}

TEST_F(Frame, TransformsCoverTheWholeBufferImaginaryPartsIncluded)
{
    controls.messageType = MessageType::filteredNoise;
    Tick();
    SampleBuffer expected = state->messageSignal;
    nrFFT::FFT(expected, kPoints, false);
    EXPECT_EQ(expected, state->messageTransform);

    SampleBuffer modExpected = state->modulatedSignal;
    nrFFT::FFT(modExpected, kPoints, false);
    EXPECT_EQ(modExpected, state->modulatedTransform);
}

TEST_F(Frame, UncheckedPassbandClearsTheTraceButStillComputes)
{
    for (CheckState passband : {CheckState::unchecked, CheckState::greyed}) {
        controls.modulatedTrace = passband;
        state->modulatedSignal[0] = 123.0;
        const int clearsBefore = modulatedPicture.clears;
        Tick();
        EXPECT_EQ(modulatedPicture.clears, clearsBefore + 1) << passband;
        EXPECT_TRUE(modulatedPicture.segments.empty()) << passband;
        EXPECT_NE(state->modulatedSignal[0], 123.0) << passband;
    }
    controls.modulatedTrace = CheckState::checked;
    Tick();
    EXPECT_FALSE(modulatedPicture.segments.empty());
    EXPECT_EQ(modulatedPicture.segments.front().colour, kModulatedColour);
}

TEST_F(Frame, UncheckedSpectrumStillAverages)
{
    for (int tick = 1; tick <= 3; ++tick) {
        Tick();
        EXPECT_EQ(state->modulatedAverageCount, tick);
        EXPECT_TRUE(modulatedSpectrumPicture.segments.empty());
    }
    controls.modulatedSpectrum = CheckState::checked;
    Tick();
    EXPECT_EQ(state->modulatedAverageCount, 4);
    EXPECT_FALSE(modulatedSpectrumPicture.segments.empty());
}

TEST_F(Frame, MessageSpectrumIsDrawnOnEveryRunningTick)
{
    for (int tick = 1; tick <= 3; ++tick) {
        Tick();
        EXPECT_EQ(state->messageAverageCount, tick);
        ASSERT_FALSE(messageSpectrumPicture.segments.empty());
        EXPECT_EQ(messageSpectrumPicture.segments.back().colour, kMessageColour);
        EXPECT_FALSE(messagePicture.segments.empty());
        EXPECT_FALSE(carrierPicture.segments.empty());
    }
}

TEST_F(Frame, TonalMessagesGiveIdenticalConsecutiveFrames)
{
    for (const auto type : {MessageType::sine, MessageType::square}) {
        controls.messageType = type;
        RestartAverages(*state, true);
        Tick();
        const auto first = std::make_unique<SignalState>(*state);
        Tick();
        EXPECT_EQ(first->messageSignal, state->messageSignal) << type;
        EXPECT_EQ(first->modulatedTransform, state->modulatedTransform) << type;
        for (int k = 0; k < kPoints; ++k) {
            // ((n-1)S + S)/n rounds by at most an ulp or two of S.
            ASSERT_NEAR(state->messageSpectrum[k], first->messageSpectrum[k],
                        1e-12 * std::max(1.0, std::abs(first->messageSpectrum[k])))
                << type << " " << k;
        }
    }
}

TEST_F(Frame, CountersHoldAtTheirLimitAndFramesGoOn)
{
    state->messageAverageCount = 32766;
    state->modulatedAverageCount = 32766;
    for (int tick = 0; tick < 3; ++tick) {
        const int clears = messagePicture.clears;
        Tick();
        EXPECT_EQ(state->messageAverageCount, 32767);
        EXPECT_EQ(state->modulatedAverageCount, 32767);
        EXPECT_EQ(messagePicture.clears, clears + 1);
    }
}

TEST_F(Frame, OddCarrierAndModulatedEntriesAndLastEntriesStayZero)
{
    for (int tick = 0; tick < 16; ++tick) {
        controls.messageType = kMessageTypes[tick % 4];
        controls.scheme = kSchemes[(tick / 4) % 4];
        controls.memory = tick % 3 == 0 ? CheckState::checked : CheckState::unchecked;
        controls.linear = tick % 2 ? CheckState::checked : CheckState::unchecked;
        Tick();
        for (int i = 1; i < kUsedEntries; i += 2) {
            ASSERT_EQ(state->carrierSignal[i], 0.0);
            ASSERT_EQ(state->modulatedSignal[i], 0.0);
        }
        for (const SampleBuffer* b : {&state->messageSignal, &state->modulatedSignal, &state->carrierSignal,
                                      &state->messageTransform, &state->messageSpectrum, &state->messageHeldSpectrum,
                                      &state->modulatedTransform, &state->modulatedSpectrum, &state->modulatedHeldSpectrum})
            ASSERT_EQ((*b)[16384], 0.0);
    }
}

}  // namespace
}  // namespace quorvane
