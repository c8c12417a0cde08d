#pragma once

// A console reporter that also remembers the median of every benchmark, so a
// program can name its slowest case once the run is over. The machines this
// runs on are often shared, so the verdict goes by CPU time, which other
// processes cannot inflate; wall-clock time is printed beside it.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::bench {

class WorstMedianReporter final : public benchmark::ConsoleReporter {
public:
    struct Median {
        std::string name;
        std::string label;
        double microseconds;     // CPU
        double wallMicroseconds;
    };

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            const double perMicrosecond = benchmark::GetTimeUnitMultiplier(run.time_unit) / 1e6;
            medians_.push_back({run.run_name.str(), run.report_label,
                                run.GetAdjustedCPUTime() / perMicrosecond,
                                run.GetAdjustedRealTime() / perMicrosecond});
        }
    }

    const std::vector<Median>& Medians() const { return medians_; }

    // Prints the slowest median of the benchmarks whose names start with
    // prefix against the target; returns false when there was none.
    bool PrintWorst(const char* what, double targetMicroseconds, std::string_view prefix = {}) const
    {
        const Median* worst = nullptr;
        for (const Median& m : medians_)
            if (std::string_view(m.name).starts_with(prefix) &&
                (!worst || m.microseconds > worst->microseconds))
                worst = &m;
        if (!worst)
            return false;
        std::printf("\n%s, worst median: %.1f us CPU (%.1f us wall)  [%s%s%s]  target < %.0f us: %s\n",
                    what, worst->microseconds, worst->wallMicroseconds, worst->name.c_str(),
                    worst->label.empty() ? "" : "  ",
                    worst->label.c_str(), targetMicroseconds,
                    worst->microseconds < targetMicroseconds ? "met" : "NOT met");
        return true;
    }

private:
    std::vector<Median> medians_;
};

// Repetitions and aggregates-only unless the command line says otherwise.
inline std::vector<char*> WithDefaults(int argc, char** argv, std::vector<std::string>& storage,
                                       int repetitions)
{
    storage = {"--benchmark_repetitions=" + std::to_string(repetitions),
               "--benchmark_report_aggregates_only=true"};
    std::vector<char*> args{argv[0]};
    for (std::string& s : storage)
        args.push_back(s.data());
    for (int i = 1; i < argc; ++i)
        args.push_back(argv[i]);
    return args;
}

// Runs the registered benchmarks through a WorstMedianReporter, then hands it
// to printWorst for the figures against the targets.
template <typename PrintWorst>
int RunBenchmarks(int argc, char** argv, int repetitions, PrintWorst printWorst)
{
    std::vector<std::string> storage;
    std::vector<char*> args = WithDefaults(argc, argv, storage, repetitions);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    WorstMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printWorst(reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace quorvane::bench
