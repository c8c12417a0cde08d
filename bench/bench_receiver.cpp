// One receiver frame for every detector on every scheme, with the channel's
// noise at its middle level, on a frame the engine made at the start-up
// frequencies. Prints the slowest case at the end.
//
// Defaults: 15 repetitions, aggregates only; command-line flags override.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "WorstMedian.h"
#include "engine/MessageGenerator.h"
#include "engine/Modulator.h"
#include "engine/Receiver.h"
#include "support/FakeControls.h"

namespace {

using namespace quorvane;

void ReceiverFrame(benchmark::State& run)
{
    auto signal = std::make_unique<SignalState>();
    signal->messageFrequencyDaHz = 0.5;
    signal->carrierFrequencyDaHz = 6.4;
    signal->depth = 1.0;
    testing::FakeControls controls;
    controls.scheme = kSchemes[run.range(1)];
    NoiseSource noise;
    GenerateMessage(*signal, controls, noise);
    WriteTone(signal->carrierSignal, signal->carrierFrequencyDaHz, nullptr);
    Modulate(*signal, controls);
    auto receiver = std::make_unique<ReceiverState>();
    const ReceiverSettings settings{kDetectors[run.range(0)], 4,
                                    static_cast<int>(kChannelNoiseDecibels.size()) / 2};
    for (auto _ : run) {
        RunReceiver(*receiver, *signal, controls.scheme, settings);
        benchmark::DoNotOptimize(receiver->lastFit);
    }
    run.SetLabel(std::string(Key(settings.detector)) + " on " + std::string(Key(controls.scheme)));
}

BENCHMARK(ReceiverFrame)
    ->ArgNames({"detector", "scheme"})
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench::RunBenchmarks(argc, argv, 15, [](bench::WorstMedianReporter& reporter) {
        reporter.PrintWorst("Receiver frame (ReceiverFrame)", 1000.0);
    });
}
