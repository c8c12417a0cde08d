#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

#include "engine/FrameCycle.h"
#include "support/FakeControls.h"
#include "support/RecordingSurface.h"

namespace {
std::atomic<long> gAllocations{0};
}

void* operator new(std::size_t size)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace quorvane {
namespace {

using testing::FakeControls;
using testing::RecordingSurface;

TEST(FrameAllocation, TicksAllocateNothingAfterStartUp)
{
    auto state = std::make_unique<SignalState>();
    state->dDataFreq = 0.5;
    state->dCarrierFreq = 6.4;
    state->dDepth = 1.0;
    FakeControls controls;
    controls.chkPassband = kChecked;
    controls.chkSpectrum = kChecked;
    controls.hscDataZoom = 4;
    NoiseSource rnd;
    RecordingSurface picData{8835, 975}, picSpectrum0, picCarrier{8835, 1095},
        picModData{8835, 1095}, picSpectrum1;
    const FormPictures pictures{picData, {&picSpectrum0, &picSpectrum1}, picCarrier, picModData};

    const char* types[] = {"Sine Wave", "White Noise", "Filtered Noise", "Square Wave"};
    const char* schemes[] = {"DSB-SC", "AM", "FM", "PM"};
    const long before = gAllocations.load();
    for (int tick = 0; tick < 320; ++tick) {
        controls.cmbData = types[tick % 4];
        controls.cmbMod = schemes[(tick / 4) % 4];
        controls.chkMemory = (tick / 7) % 2;
        controls.chkLinear = (tick / 11) % 2;
        controls.chkTwoSides = (tick / 13) % 2;
        Timer1_Timer(*state, controls, pictures, rnd);
    }
    EXPECT_EQ(gAllocations.load() - before, 0);
}

}  // namespace
}  // namespace quorvane
