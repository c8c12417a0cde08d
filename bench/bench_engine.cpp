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
#include "app/Frame.h"
#include "plot/PlotSurface.h"
#include "support/FakeControls.h"

namespace {

using namespace quorvane;

struct NullSurface final : PlotSurface {
    float InnerWidth() const override { return 8835.0f; }
    float InnerHeight() const override { return 2715.0f; }
    void Clear() override {}
    void SetColour(std::int32_t) override {}
    void DrawLine(float x1, float, float, float) override { benchmark::DoNotOptimize(x1); }
    float OuterLeft() const override { return 6000.0f; }
    float OuterWidth() const override { return 8895.0f; }
};


void EngineFrame(benchmark::State& run)
{
    auto state = std::make_unique<SignalState>();
    state->messageFrequencyDaHz = 0.5;
    state->carrierFrequencyDaHz = 6.4;
    state->depth = 1.0;
    testing::FakeControls controls;
    controls.messageType = kMessageTypes[run.range(0)];
    controls.scheme = kSchemes[run.range(1)];
    controls.linear = run.range(2) != 0 ? CheckState::checked : CheckState::unchecked;
    controls.modulatedTrace = CheckState::checked;
    controls.modulatedSpectrum = CheckState::checked;
    controls.timeZoom = 4;
    NoiseSource noise;
    NullSurface surface;
    const FramePictures pictures{surface, surface, surface, surface, surface};
    auto memo = std::make_unique<FrameMemo>();
    for (auto _ : run)
        RunFrame(*state, controls, pictures, noise, memo.get());
    run.SetLabel(std::string(Key(controls.messageType)) + " / " + std::string(Key(controls.scheme)) +
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
