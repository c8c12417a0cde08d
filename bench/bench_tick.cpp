// One whole tick of the real window, drawing included, at the heaviest
// settings: zoom 4, modulated trace and spectrum on, a held memory trace,
// two-sided, in log and in linear mode. Offscreen, so no display is needed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QScrollBar>

#include "ui/Form1.h"

namespace {

void Check(quorvane::Form1& form, const char* name, bool on)
{
    form.findChild<QCheckBox*>(name)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void WholeTick(benchmark::State& run)
{
    quorvane::Form1 form;
    form.show();
    form.findChild<QScrollBar*>("hscDataZoom")->setValue(4);
    Check(form, "chkPassband", true);
    Check(form, "chkSpectrum", true);
    Check(form, "chkTwoSides", true);
    Check(form, "chkLinear", run.range(0) == 1);
    Check(form, "chkMemory", true);
    form.Timer1_Timer();
    QCoreApplication::processEvents();
    for (auto _ : run) {
        form.Timer1_Timer();
        QCoreApplication::processEvents();  // paints the five pictures
    }
    run.SetLabel(run.range(0) ? "linear" : "log");
}

BENCHMARK(WholeTick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
