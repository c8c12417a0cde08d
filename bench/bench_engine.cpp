// One engine frame (generator, carrier, modulator, copies, both transforms,
// both spectrum averages and the plotting arithmetic) for every message type
// and scheme, in log and in linear mode, drawing into surfaces that discard
// what they get. Prints the slowest case at the end.
//
// Defaults: 15 repetitions, aggregates only; command-line flags override.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "WorstMedian.h"
#include "engine/FrameCycle.h"
#include "plot/PlotSurface.h"
#include "support/FakeControls.h"

namespace {

using namespace quorvane;

struct NullSurface final : PlotSurface {
    float ScaleWidth() const override { return 8835.0f; }
    float ScaleHeight() const override { return 2715.0f; }
    void Cls() override {}
    void SetForeColor(std::int32_t) override {}
    void Line(float x1, float, float, float) override { benchmark::DoNotOptimize(x1); }
    float Left() const override { return 6000.0f; }
    float Width() const override { return 8895.0f; }
};


void EngineFrame(benchmark::State& run)
{
    auto state = std::make_unique<SignalState>();
    state->dDataFreq = 0.5;
    state->dCarrierFreq = 6.4;
    state->dDepth = 1.0;
    testing::FakeControls controls;
    controls.cmbData = kMessageTypes[run.range(0)];
    controls.cmbMod = kSchemes[run.range(1)];
    controls.chkLinear = run.range(2) != 0 ? kChecked : kUnchecked;
    controls.chkPassband = kChecked;
    controls.chkSpectrum = kChecked;
    controls.hscDataZoom = 4;
    NoiseSource rnd;
    NullSurface surface;
    const FormPictures pictures{surface, {&surface, &surface}, surface, surface};
    auto memo = std::make_unique<FrameMemo>();
    for (auto _ : run)
        Timer1_Timer(*state, controls, pictures, rnd, memo.get());
    run.SetLabel(std::string(kMessageTypes[run.range(0)]) + " / " + std::string(kSchemes[run.range(1)]) +
                 (run.range(2) != 0 ? ", linear" : ", log"));
}

BENCHMARK(EngineFrame)
    ->ArgNames({"type", "scheme", "linear"})
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench::RunBenchmarks(argc, argv, 15, [](bench::WorstMedianReporter& reporter) {
        reporter.PrintWorst("Engine frame (EngineFrame)", 500.0);
    });
}
