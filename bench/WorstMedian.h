#pragma once

// A console reporter that also remembers the median of every benchmark, so a
// program can name its slowest case once the run is over.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace quorvane::bench {

class WorstMedianReporter final : public benchmark::ConsoleReporter {
public:
    struct Median {
        std::string name;
        std::string label;
        double microseconds;
    };

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            const double seconds = run.GetAdjustedRealTime() *
                                   benchmark::GetTimeUnitMultiplier(run.time_unit);
            medians_.push_back({run.run_name.str(), run.report_label, seconds * 1e6});
        }
    }

    const std::vector<Median>& Medians() const { return medians_; }

    // Prints the slowest median against the target; returns false when there
    // was nothing to compare.
    bool PrintWorst(const char* what, double targetMicroseconds) const
    {
        if (medians_.empty())
            return false;
        const Median* worst = &medians_.front();
        for (const Median& m : medians_)
            if (m.microseconds > worst->microseconds)
                worst = &m;
        std::printf("\n%s, worst median: %.1f us  [%s%s%s]  target < %.0f us: %s\n", what,
                    worst->microseconds, worst->name.c_str(), worst->label.empty() ? "" : "  ",
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

}  // namespace quorvane::bench
