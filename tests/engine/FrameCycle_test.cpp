#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "engine/ControlTexts.h"
#include "engine/FrameCycle.h"
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
        return picData.clears + picSpectrum0.clears + picCarrier.clears + picModData.clears +
               picSpectrum1.clears;
    }
};

TEST_F(Frame, PausedTickChangesNothing)
{
    Tick();
    const auto before = std::make_unique<SignalState>(*state);
    const int clears = ClearsOfAll();
    for (const std::string_view caption : {kPausedCaption, std::string_view("pause"), std::string_view("Pause "), std::string_view()}) {
        controls.cmdPause = caption;
        Tick();
        EXPECT_EQ(ClearsOfAll(), clears) << caption;
        EXPECT_EQ(0, std::memcmp(before.get(), state.get(), sizeof(SignalState))) << caption;
    }
}

TEST_F(Frame, CarrierIsTheToneAtEvenEntriesWithOddEntriesZero)
{
    Tick();
    for (int i = 0; i < kUsedEntries; i += 2) {
        ASSERT_EQ(state->dCarrierSignal[i], std::sin(i * 6.4 / 32.0)) << i;
        ASSERT_EQ(state->dCarrierSignal[i + 1], 0.0) << i;
    }
}

TEST_F(Frame, TransformsCoverTheWholeBufferImaginaryPartsIncluded)
{
    controls.cmbData = kFilteredNoise;
    Tick();
    SampleBuffer expected = state->dDataSignal;
    nrFFT::FFT(expected, kPoints, false);
    EXPECT_EQ(expected, state->dDataFFT);

    SampleBuffer modExpected = state->dModSignal;
    nrFFT::FFT(modExpected, kPoints, false);
    EXPECT_EQ(modExpected, state->dModFFT);
}

TEST_F(Frame, UncheckedPassbandClearsTheTraceButStillComputes)
{
    for (int passband : {kUnchecked, kGreyed}) {
        controls.chkPassband = passband;
        state->dModSignal[0] = 123.0;
        const int clearsBefore = picModData.clears;
        Tick();
        EXPECT_EQ(picModData.clears, clearsBefore + 1) << passband;
        EXPECT_TRUE(picModData.segments.empty()) << passband;
        EXPECT_NE(state->dModSignal[0], 123.0) << passband;
    }
    controls.chkPassband = kChecked;
    Tick();
    EXPECT_FALSE(picModData.segments.empty());
    EXPECT_EQ(picModData.segments.front().colour, kModulatedColour);
}

TEST_F(Frame, UncheckedSpectrumStillAverages)
{
    for (int tick = 1; tick <= 3; ++tick) {
        Tick();
        EXPECT_EQ(state->iModSpectrums, tick);
        EXPECT_TRUE(picSpectrum1.segments.empty());
    }
    controls.chkSpectrum = kChecked;
    Tick();
    EXPECT_EQ(state->iModSpectrums, 4);
    EXPECT_FALSE(picSpectrum1.segments.empty());
}

TEST_F(Frame, MessageSpectrumIsDrawnOnEveryRunningTick)
{
    for (int tick = 1; tick <= 3; ++tick) {
        Tick();
        EXPECT_EQ(state->iDataSpectrums, tick);
        ASSERT_FALSE(picSpectrum0.segments.empty());
        EXPECT_EQ(picSpectrum0.segments.back().colour, kMessageColour);
        EXPECT_FALSE(picData.segments.empty());
        EXPECT_FALSE(picCarrier.segments.empty());
    }
}

TEST_F(Frame, TonalMessagesGiveIdenticalConsecutiveFrames)
{
    for (const std::string_view type : {kSineWave, kSquareWave}) {
        controls.cmbData = type;
        ResetSpectra(*state, true);
        Tick();
        const auto first = std::make_unique<SignalState>(*state);
        Tick();
        EXPECT_EQ(first->dDataSignal, state->dDataSignal) << type;
        EXPECT_EQ(first->dModFFT, state->dModFFT) << type;
        for (int k = 0; k < kPoints; ++k) {
            // ((n-1)S + S)/n rounds by at most an ulp or two of S.
            ASSERT_NEAR(state->dDataSpectrum[k], first->dDataSpectrum[k],
                        1e-12 * std::max(1.0, std::abs(first->dDataSpectrum[k])))
                << type << " " << k;
        }
    }
}

TEST_F(Frame, CountersHoldAtTheirLimitAndFramesGoOn)
{
    state->iDataSpectrums = 32766;
    state->iModSpectrums = 32766;
    for (int tick = 0; tick < 3; ++tick) {
        const int clears = picData.clears;
        Tick();
        EXPECT_EQ(state->iDataSpectrums, 32767);
        EXPECT_EQ(state->iModSpectrums, 32767);
        EXPECT_EQ(picData.clears, clears + 1);
    }
}

TEST_F(Frame, OddCarrierAndModulatedEntriesAndLastEntriesStayZero)
{
    for (int tick = 0; tick < 16; ++tick) {
        controls.cmbData = kMessageTypes[tick % 4];
        controls.cmbMod = kSchemes[(tick / 4) % 4];
        controls.chkMemory = tick % 3 == 0 ? kChecked : kUnchecked;
        controls.chkLinear = tick % 2;
        Tick();
        for (int i = 1; i < kUsedEntries; i += 2) {
            ASSERT_EQ(state->dCarrierSignal[i], 0.0);
            ASSERT_EQ(state->dModSignal[i], 0.0);
        }
        for (const SampleBuffer* b : {&state->dDataSignal, &state->dModSignal, &state->dCarrierSignal,
                                      &state->dDataFFT, &state->dDataSpectrum, &state->dDataSpectrumMem,
                                      &state->dModFFT, &state->dModSpectrum, &state->dModSpectrumMem})
            ASSERT_EQ((*b)[16384], 0.0);
    }
}

}  // namespace
}  // namespace quorvane
