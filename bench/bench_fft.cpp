// bench_fft: nrFFT::FFT on 8192 points, forward and inverse, against the
// literal transcription of the algorithm (tests/engine/ReferenceFFT.h) and, when
// FFTW is available, FFTW's in-place 8192-point complex forward transform
// planned with FFTW_MEASURE, on the same data in the same run. Prints the
// ratio of medians nrFFT / FFTW at the end.
//
// Every iteration copies the same input into the work buffer (untimed) and
// times only the transform (manual timing with steady_clock): repeated
// unscaled forward transforms of the same buffer would overflow to infinity.
//
// Defaults set here: --benchmark_repetitions=20, aggregates only,
// --benchmark_min_time=0.1. Arguments on the command line override them.
//
// The second argument of each benchmark is the buffer's offset in doubles
// from a 64-byte boundary: 0 (aligned) or 1 (8-byte aligned only, as half of
// the program's 16385-entry buffers are).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <new>
#include <random>
#include <span>
#include <string>
#include <vector>

#include <unistd.h>

#include "ReferenceFFT.h"
#include "engine/nrFFT.h"

#if defined(QUORVANE_HAVE_FFTW3)
#include <fftw3.h>
#endif

namespace {

constexpr std::int32_t kPoints = 8192;
constexpr std::size_t kEntries = 2 * kPoints;

// The input every benchmark transforms: a real message-like signal plus a
// little noise in both parts, so no butterfly works on zeros only.
const std::vector<double>& Input()
{
    static const std::vector<double> input = [] {
        std::vector<double> v(kEntries);
        std::mt19937_64 gen(20240601);
        std::uniform_real_distribution<double> noise(-0.01, 0.01);
        for (std::size_t k = 0; k < kPoints; ++k) {
            v[2 * k] = std::sin(static_cast<double>(2 * k) * 37.0 / 32.0) + noise(gen);
            v[2 * k + 1] = noise(gen);
        }
        return v;
    }();
    return input;
}

// A 64-byte aligned block with room for an offset and the trailing entry.
struct WorkBuffer {
    explicit WorkBuffer(std::size_t offset)
        : base(static_cast<double*>(::operator new[]((kEntries + 16) * sizeof(double),
                                                     std::align_val_t{64}))),
          data(base + offset)
    {
        std::memset(base, 0, (kEntries + 16) * sizeof(double));
    }
    ~WorkBuffer() { ::operator delete[](base, std::align_val_t{64}); }
    WorkBuffer(const WorkBuffer&) = delete;
    WorkBuffer& operator=(const WorkBuffer&) = delete;
    double* base;
    double* data;
};

template <typename Transform>
void TimeTransform(benchmark::State& state, double* data, Transform&& transform)
{
    const std::vector<double>& input = Input();
    for (auto _ : state) {
        std::memcpy(data, input.data(), kEntries * sizeof(double));
        benchmark::ClobberMemory();
        const auto start = std::chrono::steady_clock::now();
        transform();
        benchmark::ClobberMemory();
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
    benchmark::DoNotOptimize(data[0]);
}

void BM_nrFFT(benchmark::State& state)
{
    const bool inverse = state.range(0) != 0;
    WorkBuffer buf(static_cast<std::size_t>(state.range(1)));
    std::span<double> span(buf.data, kEntries + 1);
    TimeTransform(state, buf.data, [&] { nrFFT::FFT(span, kPoints, inverse); });
}

void BM_Reference(benchmark::State& state)
{
    const bool inverse = state.range(0) != 0;
    WorkBuffer buf(static_cast<std::size_t>(state.range(1)));
    TimeTransform(state, buf.data,
                  [&] { quorvane_test::ReferenceFFT(buf.data, kPoints, inverse); });
}

void Configure(benchmark::internal::Benchmark* b, bool withInverse)
{
    b->ArgNames({"inverse", "offset"});
    for (int inverse = 0; inverse <= (withInverse ? 1 : 0); ++inverse) {
        for (int offset : {0, 1}) b->Args({inverse, offset});
    }
    b->UseManualTime()->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_nrFFT)->Apply([](benchmark::internal::Benchmark* b) { Configure(b, true); });
BENCHMARK(BM_Reference)->Apply([](benchmark::internal::Benchmark* b) { Configure(b, false); });

#if defined(QUORVANE_HAVE_FFTW3)
void BM_FFTW(benchmark::State& state)
{
    WorkBuffer buf(static_cast<std::size_t>(state.range(1)));
    auto* data = reinterpret_cast<fftw_complex*>(buf.data);
    // Planning with FFTW_MEASURE overwrites the array; the input is copied in
    // before every timed transform anyway.
    fftw_plan plan = fftw_plan_dft_1d(kPoints, data, data, FFTW_FORWARD, FFTW_MEASURE);
    TimeTransform(state, buf.data, [&] { fftw_execute(plan); });
    fftw_destroy_plan(plan);
}
BENCHMARK(BM_FFTW)->Apply([](benchmark::internal::Benchmark* b) { Configure(b, false); });
#endif

// Prints like the console reporter and keeps every median, by name.
class MedianCollector : public benchmark::ConsoleReporter {
public:
    MedianCollector()
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
    {
    }
    void ReportRuns(const std::vector<Run>& reports) override
    {
        for (const Run& run : reports) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians[run.run_name.function_name + "/" + run.run_name.args] =
                    run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(reports);
    }
    std::map<std::string, double> medians;
};

void PrintRatio(const MedianCollector& c, const std::string& num, const std::string& den)
{
    const auto n = c.medians.find(num);
    const auto d = c.medians.find(den);
    if (n == c.medians.end() || d == c.medians.end() || d->second <= 0.0) return;
    std::printf("  %-40s %8.2f us / %8.2f us = %.2f\n", (num + " / " + den).c_str(), n->second,
                d->second, n->second / d->second);
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<char*> args;
    args.push_back(argv[0]);
    static char reps[] = "--benchmark_repetitions=20";
    static char aggregates[] = "--benchmark_report_aggregates_only=true";
    static char minTime[] = "--benchmark_min_time=0.1";
    args.push_back(reps);
    args.push_back(aggregates);
    args.push_back(minTime);
    for (int i = 1; i < argc; ++i) args.push_back(argv[i]);  // later flags win
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);

    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;

    MedianCollector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nRatios of medians (8192 points):\n");
#if defined(QUORVANE_HAVE_FFTW3)
    for (const char* offset : {"0", "1"}) {
        const std::string fftw = std::string("BM_FFTW/inverse:0/offset:") + offset;
        PrintRatio(reporter, std::string("BM_nrFFT/inverse:0/offset:") + offset, fftw);
        PrintRatio(reporter, std::string("BM_nrFFT/inverse:1/offset:") + offset, fftw);
        PrintRatio(reporter, std::string("BM_Reference/inverse:0/offset:") + offset, fftw);
    }
#else
    std::printf("  FFTW (pkg-config fftw3) was not found when bench_fft was built: "
                "comparison with FFTW skipped.\n");
#endif
    for (const char* offset : {"0", "1"}) {
        PrintRatio(reporter, std::string("BM_Reference/inverse:0/offset:") + offset,
                   std::string("BM_nrFFT/inverse:0/offset:") + offset);
    }
    benchmark::Shutdown();
    return 0;
}
