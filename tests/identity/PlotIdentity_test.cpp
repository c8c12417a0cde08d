// The plots round without libm, keep logarithms between calls and scan the
// bins in interleaved passes. On any input, ordinary or not, each must give
// the same bits as the straightforward way, and the spectrum plot with kept
// logarithms the same segments, average, held copy, counter and flag as
// without them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/Frame.h"
#include "engine/SignalState.h"
#include "identity/Straightforward.h"
#include "plot/RoundToInt16.h"
#include "plot/SpectrumExtremes.h"
#include "plot/TraceColours.h"
#include "support/FakeControls.h"
#include "support/RecordingSurface.h"

namespace quorvane {
namespace {

using testing::FakeControls;
using testing::RecordingSurface;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

::testing::AssertionResult SameSegments(const RecordingSurface& fast,
                                        const RecordingSurface& reference)
{
    if (fast.clears != reference.clears || fast.colourChanges != reference.colourChanges ||
        fast.foreColour != reference.foreColour)
        return ::testing::AssertionFailure() << "clears or colours differ";
    if (fast.segments.size() != reference.segments.size())
        return ::testing::AssertionFailure() << fast.segments.size() << " segments against "
                                             << reference.segments.size();
    for (std::size_t i = 0; i < fast.segments.size(); ++i) {
        const testing::Segment& a = fast.segments[i];
        const testing::Segment& b = reference.segments[i];
        if (std::memcmp(&a, &b, sizeof a) != 0)
            return ::testing::AssertionFailure()
                   << "segment " << i << ": (" << a.x1 << ", " << a.y1 << ")-(" << a.x2 << ", "
                   << a.y2 << ") against (" << b.x1 << ", " << b.y1 << ")-(" << b.x2 << ", "
                   << b.y2 << ")";
    }
    return ::testing::AssertionSuccess();
}

bool SameBits(std::span<const double> a, std::span<const double> b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size_bytes()) == 0;
}

// Mostly ordinary samples, with a share of the values that need care.
double Sample(std::mt19937& random)
{
    static const double special[] = {0.0,  -0.0, 1.0,  -1.0,  kNaN,   -kNaN,  kInf,    -kInf,
                                     1e10, -1e10, 36.5, -36.5, 1e300, 5e-324, -2.5e-310};
    const int kind = std::uniform_int_distribution<int>(0, 9)(random);
    if (kind == 0)
        return special[std::uniform_int_distribution<std::size_t>(0, std::size(special) - 1)(random)];
    if (kind == 1)
        return std::uniform_real_distribution<double>(-40.0, 40.0)(random);
    return std::uniform_real_distribution<double>(-1.2, 1.2)(random);
}

// Every value the trace plot rounds, ordinary or not, rounds as nearbyint
// would, the 16-bit ends and every tie included.
TEST(RoundingIdentity, RandomValuesTiesAndTheSixteenBitEndsRoundAsNearbyint)
{
    std::vector<double> values;
    for (double v = -33000.5; v <= 33000.5; v += 0.5)
        values.push_back(v);
    for (const double edge : {32766.5, 32767.0, 32767.5, 32768.0, -32768.5, -32769.0, -32769.5,
                              -32767.5, 0.4999999999999999, -0.5000000000000001, 4503599627370495.5,
                              4503599627370497.0, -4503599627370497.0, 1e17, -1e17})
        for (const double delta : {-1e-9, 0.0, 1e-9})
            values.push_back(edge + delta);
    std::mt19937 random(4242);
    for (int n = 0; n < 100000; ++n)
        values.push_back(Sample(random) * (n % 2 ? 1.0 : 30000.0));
    for (const double value : values)
        ASSERT_EQ(RoundToInt16(value), straightforward::NearestInt16(value)) << value;
}

// The spectrum plot's caller-owned state, once with kept logarithms and once
// without.
struct SpectrumTwin {
    std::unique_ptr<SampleBuffer> average = std::make_unique<SampleBuffer>();
    std::unique_ptr<SampleBuffer> held = std::make_unique<SampleBuffer>();
    std::int16_t count = 0;
    bool memory = false;
    RecordingSurface surface;
};

struct SpectrumPair {
    std::unique_ptr<LogMemo> logs = std::make_unique<LogMemo>();
    SpectrumTwin fast;
    SpectrumTwin reference;

    ::testing::AssertionResult Plot(const SampleBuffer& fft, bool drawLive,
                                    const FrameInputs& controls)
    {
        AverageAndPlotSpectrum(fft, {*fast.average, *fast.held, fast.count, fast.memory}, fast.surface,
                               {kModulatedColour, kMemoryColour}, drawLive, controls, logs.get());
        AverageAndPlotSpectrum(fft,
                               {*reference.average, *reference.held, reference.count, reference.memory},
                               reference.surface, {kModulatedColour, kMemoryColour}, drawLive, controls, nullptr);
        if (!SameBits(*fast.average, *reference.average))
            return ::testing::AssertionFailure() << "averages differ";
        if (!SameBits(*fast.held, *reference.held))
            return ::testing::AssertionFailure() << "held copies differ";
        if (fast.count != reference.count || fast.memory != reference.memory)
            return ::testing::AssertionFailure() << "counter or flag differ";
        return SameSegments(fast.surface, reference.surface);
    }
};
enum class Kind { Noise, Tone, Silent, Special, Tiny, Huge };

void Fill(SampleBuffer& fft, Kind kind, std::mt19937& random)
{
    std::normal_distribution<double> normal(0.0, 30.0);
    for (std::size_t k = 0; k < kUsedEntries; ++k) {
        switch (kind) {
        case Kind::Noise: fft[k] = normal(random); break;
        case Kind::Tone: fft[k] = (k / 2 == 40 || k / 2 == 8152) ? 4096.0 : 1e-12 * normal(random); break;
        case Kind::Silent: fft[k] = k % 2 ? -0.0 : 0.0; break;
        case Kind::Special: fft[k] = Sample(random) * (k % 3 == 0 ? 1e3 : 1.0); break;
        case Kind::Tiny: fft[k] = 1e-160 * normal(random); break;
        case Kind::Huge: fft[k] = 1e154 * normal(random); break;
        }
    }
}

TEST(SpectrumPlotIdentity, RandomSpectraSwitchesAndCountsGiveTheSameAveragesAndSegments)
{
    std::mt19937 random(31337);
    auto fft = std::make_unique<SampleBuffer>();
    FakeControls controls;
    // Two spectra in turn, as the frame cycle plots them, and now and then a
    // third, each with logarithms of its own.
    SpectrumPair pairs[3];
    for (int call = 0; call < 1500; ++call) {
        SpectrumPair& pair = pairs[call % 2 == 0 ? 0 : (call % 11 == 0 ? 2 : 1)];
        const int change = std::uniform_int_distribution<int>(0, 9)(random);
        // Most calls repeat the transform or change a few bins, as a steady
        // tone does; the rest bring new data of some kind.
        if (change < 3) {
            Fill(*fft, static_cast<Kind>(std::uniform_int_distribution<int>(0, 5)(random)), random);
        } else if (change < 5) {
            for (int n = std::uniform_int_distribution<int>(1, 50)(random); n > 0; --n)
                (*fft)[std::uniform_int_distribution<std::size_t>(0, kUsedEntries - 1)(random)] = Sample(random);
        }
        if (call % 13 == 0)
            controls.linear = static_cast<CheckState>(std::uniform_int_distribution<int>(0, 2)(random));
        if (call % 7 == 0)
            controls.memory = static_cast<CheckState>(std::uniform_int_distribution<int>(0, 2)(random));
        if (call % 5 == 0)
            controls.twoSided = static_cast<CheckState>(std::uniform_int_distribution<int>(0, 2)(random));
        if (call % 17 == 0) {
            const std::int16_t counts[] = {0, 0, 1, -7, 32766, 32767, 100};
            pair.fast.count = pair.reference.count =
                counts[std::uniform_int_distribution<std::size_t>(0, std::size(counts) - 1)(random)];
        }
        const bool drawLive = std::uniform_int_distribution<int>(0, 3)(random) != 0;
        ASSERT_TRUE(pair.Plot(*fft, drawLive, controls)) << "call " << call;
    }
}

// The extremes are found in interleaved passes, which could only disagree with
// one pass over zeros of both signs; extremes of zero take the single pass.
TEST(ExtremesIdentity, RandomSpectraAndZeroExtremesOfEitherSignMatchOnePass)
{
    auto values = std::make_unique<SampleBuffer>();
    const std::span<const double> bins(values->data(), kPoints);
    auto same = [&](const std::string& what) {
        const Extremes fast = FindExtremes(bins);
        const Extremes reference = straightforward::FindExtremes(bins);
        return std::memcmp(&fast, &reference, sizeof fast) == 0
                   ? ::testing::AssertionSuccess()
                   : ::testing::AssertionFailure() << what << ": " << fast.top << ", " << fast.bottom
                                                   << " against " << reference.top << ", "
                                                   << reference.bottom;
    };
    for (std::size_t first = 0; first < 8; ++first) {
        // Zeros of both signs scattered over the lanes, the others above or below.
        for (const double other : {5.0, -5.0}) {
            for (std::size_t k = 0; k < kPoints; ++k)
                (*values)[k] = k < first ? other : ((k * 7 + first) % 3 == 0 ? -0.0 : 0.0);
            ASSERT_TRUE(same("zeros from " + std::to_string(first)));
        }
    }
    std::mt19937 random(31337);
    for (int round = 0; round < 300; ++round) {
        Fill(*values, static_cast<Kind>(round % 6), random);
        ASSERT_TRUE(same("round " + std::to_string(round)));
    }
}

}  // namespace
}  // namespace quorvane
