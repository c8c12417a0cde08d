// One whole tick of the real window, drawing included: MainWindow on the offscreen
// platform, runFrame() and then the event loop until the five picture
// boxes have been painted into the window's backing store, exactly as a
// running program does after each tick. Heaviest settings: zoom 4, the
// modulated trace and its live spectrum on, a held memory trace on both
// spectra, two-sided, in log and in linear mode.
//
// The window's own timer is stopped so that only the benchmark ticks; the
// pause button keeps reading "Pause".
//
// Defaults: 30 repetitions, aggregates only; command-line flags override.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "support/OffscreenScreen.h"
#include "WorstMedian.h"
#include "support/FakeControls.h"
#include "support/FindControl.h"
#include "ui/window/Utf8.h"
#include "ui/window/MainWindow.h"
#include "ui/pictures/PictureBox.h"

namespace {

using namespace quorvane;


template <typename Control>
Control& Get(MainWindow& form, const char* name)
{
    return testing::Find<Control>(form, QString::fromLatin1(name));
}

std::unique_ptr<MainWindow> HeaviestForm(bool linear, int type, int scheme)
{
    auto form = std::make_unique<MainWindow>();
    Get<QTimer>(*form, "frameTimer").stop();
    form->show();
    Get<QComboBox>(*form, "messageTypeList").setCurrentText(toQString(Key(kMessageTypes[type])));
    Get<QComboBox>(*form, "schemeList").setCurrentText(toQString(Key(kSchemes[scheme])));
    Get<QScrollBar>(*form, "timeZoomBar").setValue(4);
    Get<QCheckBox>(*form, "modulatedTraceButton").setChecked(true);
    Get<QCheckBox>(*form, "modulatedSpectrumButton").setChecked(true);
    Get<QCheckBox>(*form, "twoSidedCheckBox").setChecked(true);
    Get<QCheckBox>(*form, "linearCheckBox").setChecked(linear);
    Get<QCheckBox>(*form, "memoryButton").setChecked(true);
    QApplication::processEvents();
    // The first tick takes the held copies; every later one draws them.
    for (int i = 0; i < 3; ++i) {
        form->runFrame();
        QApplication::processEvents();
    }
    return form;
}

void Tick(benchmark::State& run)
{
    const bool linear = run.range(0) != 0;
    const auto type = static_cast<int>(run.range(1));
    const auto scheme = static_cast<int>(run.range(2));
    const auto form = HeaviestForm(linear, type, scheme);
    for (auto _ : run) {
        form->runFrame();
        QApplication::processEvents();
    }
    run.SetLabel(std::string(linear ? "linear" : "log") + ", " + std::string(Key(kMessageTypes[type])) + " / " +
                 std::string(Key(kSchemes[scheme])));
}

// Both modes with the start-up message and scheme, and with the engine's
// dearest pair.
BENCHMARK(Tick)
    ->ArgNames({"linear", "type", "scheme"})
    ->Args({0, 0, 0})
    ->Args({1, 0, 0})
    ->Args({0, 2, 2})
    ->Args({1, 2, 2})
    ->Unit(benchmark::kMicrosecond);

// The same tick with the paint forced through grab(), which renders the whole
// window, controls and all: an upper bound for what a frame can cost.
void TickGrab(benchmark::State& run)
{
    const bool linear = run.range(0) != 0;
    const auto form = HeaviestForm(linear, 0, 0);
    for (auto _ : run) {
        form->runFrame();
        benchmark::DoNotOptimize(form->grab());
    }
    run.SetLabel(std::string(linear ? "linear" : "log") + ", whole window grabbed");
}
BENCHMARK(TickGrab)->ArgName("linear")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    quorvane::testing::UseOffscreenScreen();
    QApplication app(argc, argv);
    return bench::RunBenchmarks(argc, argv, 30, [](bench::WorstMedianReporter& reporter) {
        reporter.PrintWorst("Whole tick with paint (Tick)", 3000.0, "Tick/");
        reporter.PrintWorst("Whole tick, whole window grabbed (TickGrab)", 3000.0, "TickGrab/");
    });
}
