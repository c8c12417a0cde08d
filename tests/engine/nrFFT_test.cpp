// Tests of nrFFT::FFT.
//
// Two kinds of checks:
//  * bit-for-bit equality with ReferenceFFT.h, the literal transcription of
//    the algorithm's steps: whatever nrFFT.cpp does for speed must not change a
//    single bit of the output;
//  * mathematical properties (naive DFT, worked examples, theorems), with the
//    tolerance stated and explained where one is used.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <numbers>
#include <random>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ReferenceFFT.h"
#include "support/EnvironmentSize.h"
#include "engine/nrFFT_private.h"
#include "engine/nrFFT.h"

namespace {

using Complex = std::complex<double>;

// ---------------------------------------------------------------- helpers

int g_messageCount = 0;
std::string g_lastMessage;

void CountingHook(std::string_view text)
{
    ++g_messageCount;
    g_lastMessage = std::string(text);
}

class NrFFT : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_messageCount = 0;
        g_lastMessage.clear();
        nrFFT::SetMessageHook(&CountingHook);
    }
    void TearDown() override { nrFFT::SetMessageHook(nullptr); }
};

std::uint64_t Bits(double v) { return std::bit_cast<std::uint64_t>(v); }

std::vector<std::uint64_t> AllBits(const std::vector<double>& v)
{
    std::vector<std::uint64_t> out(v.size());
    if (!v.empty()) std::memcpy(out.data(), v.data(), v.size() * sizeof(double));
    return out;
}

// How NaNs compare: bit for bit, or any NaN equal to any NaN (see
// BitIdenticalToReferenceOnInfinitiesAndNaNs for why).
enum class NaNs { kSameBits, kBothNaN };

// Index of the first entry whose bits differ, or -1.
long FirstBitDifference(const std::vector<double>& a, const std::vector<double>& b,
                        NaNs nans = NaNs::kSameBits)
{
    if (a.size() != b.size()) return 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (nans == NaNs::kBothNaN && std::isnan(a[i]) && std::isnan(b[i])) continue;
        if (Bits(a[i]) != Bits(b[i])) return static_cast<long>(i);
    }
    return -1;
}

std::vector<double> RandomEntries(std::size_t count, std::uint64_t seed, double scale = 1.0)
{
    std::mt19937_64 gen(seed);
    std::uniform_real_distribution<double> dist(-scale, scale);
    std::vector<double> v(count);
    for (double& x : v) x = dist(gen);
    return v;
}

// A signalling NaN carrying `tag` in its payload: any arithmetic on it would
// quiet it and so change its bits.
double Sentinel(std::uint64_t tag)
{
    return std::bit_cast<double>(0x7FF4000000000000ULL | (tag & 0xFFFFFFFFULL));
}

std::vector<Complex> ToComplex(const std::vector<double>& v, std::int32_t n)
{
    std::vector<Complex> out(n);
    for (std::int32_t k = 0; k < n; ++k) out[k] = Complex(v[2 * k], v[2 * k + 1]);
    return out;
}

// Independent O(N^2) DFT in long double with the transform's sign convention:
// forward X[k] = sum x[n] e^(+2 pi i n k / N), inverse with e^(-...) and 1/N.
std::vector<std::complex<long double>> NaiveDFT(const std::vector<double>& v, std::int32_t n,
                                                bool inverse)
{
    using CL = std::complex<long double>;
    const long double pi = std::numbers::pi_v<long double>;
    const long double sign = inverse ? -1.0L : 1.0L;
    std::vector<CL> root(n);
    for (std::int32_t m = 0; m < n; ++m) {
        const long double ang = sign * 2.0L * pi * static_cast<long double>(m) / n;
        root[m] = CL(std::cos(ang), std::sin(ang));
    }
    std::vector<CL> out(n);
    for (std::int32_t k = 0; k < n; ++k) {
        CL sum = 0.0L;
        for (std::int32_t j = 0; j < n; ++j) {
            const CL x(v[2 * j], v[2 * j + 1]);
            sum += x * root[(static_cast<std::int64_t>(j) * k) % n];
        }
        out[k] = inverse ? sum / static_cast<long double>(n) : sum;
    }
    return out;
}

double L1Norm(const std::vector<double>& v, std::int32_t n)
{
    double sum = 0.0;
    for (std::int32_t k = 0; k < n; ++k) sum += std::abs(Complex(v[2 * k], v[2 * k + 1]));
    return sum;
}

void Transform(std::vector<double>& v, std::int32_t n, bool inverse)
{
    nrFFT::FFT(std::span<double>(v), n, inverse);
}

std::vector<std::int32_t> PowersOfTwo(std::int32_t from, std::int32_t to)
{
    std::vector<std::int32_t> out;
    for (std::int32_t n = from; n <= to; n *= 2) out.push_back(n);
    return out;
}

// ------------------------------------- bit-for-bit equality with the reference

// The public entry point and each code path behind it (nrFFT dispatches to
// one of them; the others are checked here all the same).
struct Path {
    const char* name;
    void (*run)(std::vector<double>& v, std::int32_t n, bool inverse);
};

std::vector<Path> AllPaths()
{
    std::vector<Path> paths = {
        {"nrFFT::FFT", [](std::vector<double>& v, std::int32_t n, bool inv) { Transform(v, n, inv); }},
        {"portable",
         [](std::vector<double>& v, std::int32_t n, bool inv) {
             nrFFT::detail::TransformPortable(v.data(), n, inv);
         }},
    };
    if (nrFFT::detail::HaveAvx2()) {
        paths.push_back({"avx2", [](std::vector<double>& v, std::int32_t n, bool inv) {
                             nrFFT::detail::TransformAvx2(v.data(), n, inv);
                         }});
    }
    return paths;
}

void ExpectSameAsReference(const std::vector<double>& input, std::int32_t n, bool inverse,
                           NaNs nans = NaNs::kSameBits)
{
    std::vector<double> ref = input;
    quorvane_test::ReferenceFFT(ref.data(), n, inverse);
    for (const Path& path : AllPaths()) {
        std::vector<double> fast = input;
        path.run(fast, n, inverse);
        const long diff = FirstBitDifference(fast, ref, nans);
        EXPECT_EQ(diff, -1) << path.name << " N=" << n << (inverse ? " inverse" : " forward")
                            << ": entry " << diff << " is " << (diff >= 0 ? fast[diff] : 0.0)
                            << " (bits " << std::hex << (diff >= 0 ? Bits(fast[diff]) : 0)
                            << "), reference " << (diff >= 0 ? ref[diff] : 0.0) << " (bits "
                            << (diff >= 0 ? Bits(ref[diff]) : 0) << ")" << std::dec;
    }
}

// The other tests check the AVX2 path only where the CPU has it; here its
// absence is reported as a skip rather than passing unseen.
TEST_F(NrFFT, Avx2PathIsBitIdenticalToReference)
{
    if (!nrFFT::detail::HaveAvx2())
        GTEST_SKIP() << "this build or CPU has no AVX2: the AVX2 path is not checked here";
    for (std::int32_t n : PowersOfTwo(2, 8192)) {
        for (bool inverse : {false, true}) {
            std::vector<double> fast = RandomEntries(2 * n + 7, 77 + n);
            std::vector<double> ref = fast;
            quorvane_test::ReferenceFFT(ref.data(), n, inverse);
            nrFFT::detail::TransformAvx2(fast.data(), n, inverse);
            EXPECT_EQ(FirstBitDifference(fast, ref, NaNs::kSameBits), -1)
                << "N=" << n << (inverse ? " inverse" : " forward");
        }
    }
}

TEST_F(NrFFT, BitIdenticalToReferenceForEverySize)
{
    for (std::int32_t n : PowersOfTwo(2, 8192)) {
        for (bool inverse : {false, true}) {
            for (std::uint64_t seed = 1; seed <= 3; ++seed) {
                // Entries beyond 2N are included so that the comparison also
                // covers "never touched".
                std::vector<double> input = RandomEntries(2 * n + 7, seed * 1000 + n);
                ExpectSameAsReference(input, n, inverse);
            }
        }
    }
    EXPECT_EQ(g_messageCount, 0);
}

TEST_F(NrFFT, BitIdenticalToReferenceOnManyRandomInputs8192)
{
    constexpr std::int32_t n = 8192;
    struct Case {
        double scale;
        int seeds;
    };
    const Case cases[] = {{1.0, 40}, {1e-300, 4}, {1e300, 4}, {3.0e5, 4}};
    for (const Case& c : cases) {
        for (int seed = 0; seed < c.seeds; ++seed) {
            SCOPED_TRACE("scale " + std::to_string(c.scale) + " seed " + std::to_string(seed));
            std::vector<double> input = RandomEntries(2 * n + 1, 77 + seed, c.scale);
            ExpectSameAsReference(input, n, false);
            ExpectSameAsReference(input, n, true);
        }
    }
}

// The same bits on every machine, not only the transcription's on this one:
// a fingerprint of both directions at the program's size, recorded on amd64
// (both paths), must come out wherever the tests run (arm64 under qemu too).
TEST_F(NrFFT, SameFingerprintOnEveryMachine)
{
    constexpr std::int32_t n = 8192;
    for (const Path& path : AllPaths()) {
        std::vector<double> v(2 * n);
        std::uint64_t state = 20261209;
        for (double& x : v) {
            state = state * 6364136223846793005u + 1442695040888963407u;
            x = static_cast<double>(state >> 11) * 0x1p-53 - 0.5;  // exact: 53 bits
        }
        std::uint64_t fingerprint = 14695981039346656037u;
        for (bool inverse : {false, true}) {
            path.run(v, n, inverse);
            for (double x : v)
                fingerprint = (fingerprint ^ Bits(x)) * 1099511628211u;
        }
        EXPECT_EQ(fingerprint, 0x982e63e8d8e1d6a5u) << path.name;
    }
}

TEST_F(NrFFT, BitIdenticalToReferenceOnRealSignals)
{
    // The shape every caller in the program uses: a real signal, zero odd entries.
    for (std::int32_t n : {8, 256, 8192}) {
        std::vector<double> input(2 * n + 1, 0.0);
        for (std::int32_t k = 0; k < n; ++k) input[2 * k] = std::sin(2.0 * k * 37.0 / 32.0);
        ExpectSameAsReference(input, n, false);
        ExpectSameAsReference(input, n, true);
    }
}

// Values drawn from a pool of awkward doubles: signed zeros, subnormals, the
// extremes of the finite range, infinities and NaNs.
std::vector<double> SpecialEntries(std::size_t count, std::uint64_t seed, bool withNonFinite)
{
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> pool = {0.0,
                                -0.0,
                                1.0,
                                -1.0,
                                std::numeric_limits<double>::denorm_min(),
                                -std::numeric_limits<double>::denorm_min(),
                                std::numeric_limits<double>::min(),
                                -2.5e-310,
                                std::numeric_limits<double>::max(),
                                -std::numeric_limits<double>::max(),
                                1e308,
                                -7.5e307,
                                1e-300,
                                3.0};
    if (withNonFinite) {
        pool.push_back(inf);
        pool.push_back(-inf);
        pool.push_back(std::bit_cast<double>(0x7FF8000000000123ULL));  // quiet NaN, payload
        pool.push_back(std::bit_cast<double>(0xFFF8000000000456ULL));  // negative quiet NaN
    }
    std::mt19937_64 gen(seed);
    std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
    std::uniform_int_distribution<int> zeroOrNot(0, 3);
    std::vector<double> v(count);
    for (double& x : v) x = zeroOrNot(gen) == 0 ? pool[pick(gen)] : (zeroOrNot(gen) ? 0.0 : -0.0);
    return v;
}

TEST_F(NrFFT, BitIdenticalToReferenceOnSignedZerosAndExtremes)
{
    for (std::int32_t n : PowersOfTwo(2, 8192)) {
        for (bool inverse : {false, true}) {
            for (std::uint64_t seed = 0; seed < 3; ++seed) {
                ExpectSameAsReference(SpecialEntries(2 * n + 3, seed * 31 + n, false), n, inverse);
            }
            // All zeros with random signs: the sign of every output zero matters.
            std::vector<double> zeros(2 * n);
            std::mt19937_64 gen(n);
            for (double& x : zeros) x = (gen() & 1) ? -0.0 : 0.0;
            ExpectSameAsReference(zeros, n, inverse);
        }
    }
}

TEST_F(NrFFT, BitIdenticalToReferenceOnInfinitiesAndNaNs)
{
    // Every entry that is not a NaN must match bit for bit, and NaNs must
    // stand exactly where the reference has them; which NaN (payload and
    // sign) an operation on two NaNs returns is not compared. C++ leaves it
    // unspecified, and GCC commutes the operands of + and * freely (it did
    // so compiling ReferenceFFT.h: 0 * inf gives the default NaN, and the
    // reference returned that where the literal operand order, under the x86
    // rule "first operand's NaN", gives the input's payload). So the
    // reference's own payloads depend on the compiler's choices.
    for (std::int32_t n : PowersOfTwo(2, 8192)) {
        for (bool inverse : {false, true}) {
            for (std::uint64_t seed = 0; seed < 2; ++seed) {
                ExpectSameAsReference(SpecialEntries(2 * n + 3, seed * 17 + n, true), n, inverse,
                                      NaNs::kBothNaN);
            }
            // A single infinity and a single NaN, at a random place each.
            for (double bad : {std::numeric_limits<double>::infinity(),
                               std::bit_cast<double>(0x7FF800000000BEEFULL)}) {
                std::vector<double> input = RandomEntries(2 * n, n + 5);
                input[(n * 7 + 3) % (2 * n)] = bad;
                ExpectSameAsReference(input, n, inverse, NaNs::kBothNaN);
            }
        }
    }
}

// --------------------------------------------------- against a naive DFT

TEST_F(NrFFT, MatchesNaiveDFT)
{
    // Tolerance: the error of a radix-2 FFT grows like log2(N) * eps * |x|,
    // and the recurrence twiddles add up to about q * eps after q steps (q <
    // N/2) plus the 2*pi constant's 15-digit truncation (relative 6.5e-16).
    // Bound every output error by tol * L1 norm of the input (the L1 norm
    // bounds |X[k]|). The worst seen is 9e-16 (N = 128); tol = 1e-13 leaves a
    // margin of 100 and still catches a wrong twiddle or a misplaced point.
    constexpr double tol = 1e-13;
    // The naive transform costs N^2, in software long doubles on arm64.
    const long largest = quorvane::testing::EnvironmentSize("QUORVANE_DFT_POINTS", 8192);
    for (std::int32_t n : {2, 4, 8, 16, 32, 128, 512, 2048, 8192}) {
        if (n > largest)
            break;
        for (bool inverse : {false, true}) {
            SCOPED_TRACE("N=" + std::to_string(n) + (inverse ? " inverse" : " forward"));
            std::vector<double> v = RandomEntries(2 * n, 4242 + n);
            const auto expected = NaiveDFT(v, n, inverse);
            const double bound = tol * L1Norm(v, n) / (inverse ? n : 1);
            Transform(v, n, inverse);
            double worst = 0.0;
            for (std::int32_t k = 0; k < n; ++k) {
                const double err = std::abs(std::complex<long double>(v[2 * k], v[2 * k + 1]) -
                                            expected[k]);
                worst = std::max(worst, err);
            }
            EXPECT_LE(worst, bound);
        }
    }
}

// ----------------------------------------------------------- worked examples

TEST_F(NrFFT, TwoPointsGiveSumAndDifference)
{
    struct Case {
        double x0r, x0i, x1r, x1i;
    };
    const Case cases[] = {{1.0, 0.0, 0.0, 0.0}, {3.0, -2.0, 5.0, 7.0}, {0.5, 0.25, 0.5, -0.25},
                          {-1.5, 4.0, 2.5, 1.0}};
    for (const Case& c : cases) {
        // All values here are small binary fractions: sums, differences and
        // halves are exact, so the comparison is exact.
        std::vector<double> v = {c.x0r, c.x0i, c.x1r, c.x1i};
        Transform(v, 2, false);
        EXPECT_EQ(v[0], c.x0r + c.x1r);
        EXPECT_EQ(v[1], c.x0i + c.x1i);
        EXPECT_EQ(v[2], c.x0r - c.x1r);
        EXPECT_EQ(v[3], c.x0i - c.x1i);

        v = {c.x0r, c.x0i, c.x1r, c.x1i};
        Transform(v, 2, true);
        EXPECT_EQ(v[0], (c.x0r + c.x1r) / 2);
        EXPECT_EQ(v[1], (c.x0i + c.x1i) / 2);
        EXPECT_EQ(v[2], (c.x0r - c.x1r) / 2);
        EXPECT_EQ(v[3], (c.x0i - c.x1i) / 2);
    }
}

TEST_F(NrFFT, NonPowersOfTwoShowTheMessageOnceAndLeaveTheArrayUnchanged)
{
    // The array is 64 entries long; N = 2^29 + 1 and 2^30 - 1 would need far
    // more. The length test comes first (before anything else), so a bad N gets the
    // message even when the array is too short for it: no exception.
    const std::int32_t cases[] = {1,  0,  -4, 6,  12, 3,  -1, std::numeric_limits<std::int32_t>::min(),
                                  -(1 << 30), 24, 1000, (1 << 29) + 1, (1 << 30) - 1, 3 << 28};
    for (std::int32_t n : cases) {
        SCOPED_TRACE("N=" + std::to_string(n));
        for (bool inverse : {false, true}) {
            g_messageCount = 0;
            std::vector<double> v = RandomEntries(64, 9);
            v[5] = Sentinel(5);
            const auto before = AllBits(v);
            EXPECT_NO_THROW(Transform(v, n, inverse));
            EXPECT_EQ(g_messageCount, 1);
            EXPECT_EQ(g_lastMessage, nrFFT::kPowersOfTwoMessage);
            EXPECT_EQ(AllBits(v), before);
        }
    }
}

TEST_F(NrFFT, NoMessageWithoutAHook)
{
    nrFFT::SetMessageHook(nullptr);
    std::vector<double> v = RandomEntries(16, 3);
    const auto before = AllBits(v);
    EXPECT_NO_THROW(Transform(v, 6, false));
    EXPECT_EQ(g_messageCount, 0);
    EXPECT_EQ(AllBits(v), before);
}

TEST_F(NrFFT, UnitImpulseAtZeroGivesAllOnes)
{
    // Every butterfly adds a product with a zero to 1 or to a zero: exact.
    for (std::int32_t n : PowersOfTwo(2, 8192)) {
        for (bool inverse : {false, true}) {
            std::vector<double> v(2 * n, 0.0);
            v[0] = 1.0;
            Transform(v, n, inverse);
            const double expected = inverse ? 1.0 / n : 1.0;
            for (std::int32_t k = 0; k < n; ++k) {
                ASSERT_EQ(v[2 * k], expected) << "N=" << n << " k=" << k;
                ASSERT_EQ(v[2 * k + 1], 0.0) << "N=" << n << " k=" << k;
            }
        }
    }
}

TEST_F(NrFFT, UnitImpulseAtOneWithFourPoints)
{
    // The twiddle e^(i pi/2) comes from the recurrence with a 15-digit 2*pi:
    // its real part is about 1e-16, not 0. Tolerance 1e-15.
    constexpr double tol = 1e-15;
    struct Case {
        bool inverse;
        Complex expected[4];
    };
    const Case cases[] = {
        {false, {{1, 0}, {0, 1}, {-1, 0}, {0, -1}}},
        {true, {{0.25, 0}, {0, -0.25}, {-0.25, 0}, {0, 0.25}}},
    };
    for (const Case& c : cases) {
        std::vector<double> v = {0, 0, 1, 0, 0, 0, 0, 0};
        Transform(v, 4, c.inverse);
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(v[2 * k], c.expected[k].real(), tol) << "k=" << k;
            EXPECT_NEAR(v[2 * k + 1], c.expected[k].imag(), tol) << "k=" << k;
        }
    }
}

TEST_F(NrFFT, ComplexExponentialLandsAtOnePoint)
{
    // e^(+2 pi i f n/N) lands at N - f with value N, e^(-2 pi i f n/N) at f.
    // Tolerance 1e-9 * N: rounding of the inputs and of the recurrence twiddles
    // (see MatchesNaiveDFT), relative to the peak N.
    struct Case {
        std::int32_t n, f;
        double sign;
    };
    const Case cases[] = {{8, 1, 1}, {8, 3, -1}, {64, 5, 1},      {64, 5, -1},
                          {1024, 100, 1}, {8192, 1, -1}, {8192, 1234, 1}, {8192, 4096, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE("N=" + std::to_string(c.n) + " f=" + std::to_string(c.f) +
                     " sign=" + std::to_string(c.sign));
        std::vector<double> v(2 * c.n);
        for (std::int32_t k = 0; k < c.n; ++k) {
            const double ang = c.sign * 2.0 * std::numbers::pi * c.f * k / c.n;
            v[2 * k] = std::cos(ang);
            v[2 * k + 1] = std::sin(ang);
        }
        Transform(v, c.n, false);
        const std::int32_t peak = c.sign > 0 ? (c.n - c.f) % c.n : c.f;
        const double tol = 1e-9 * c.n;
        for (std::int32_t k = 0; k < c.n; ++k) {
            const double expectRe = k == peak ? c.n : 0.0;
            ASSERT_NEAR(v[2 * k], expectRe, tol) << "k=" << k;
            ASSERT_NEAR(v[2 * k + 1], 0.0, tol) << "k=" << k;
        }
    }
}

TEST_F(NrFFT, RealCosineGivesHalfNAtBothFrequencies)
{
    // Tolerance as for the complex exponential.
    struct Case {
        std::int32_t n, f;
    };
    const Case cases[] = {{16, 3}, {256, 17}, {8192, 1}, {8192, 700}};
    for (const Case& c : cases) {
        SCOPED_TRACE("N=" + std::to_string(c.n) + " f=" + std::to_string(c.f));
        std::vector<double> v(2 * c.n, 0.0);
        for (std::int32_t k = 0; k < c.n; ++k) {
            v[2 * k] = std::cos(2.0 * std::numbers::pi * c.f * k / c.n);
        }
        Transform(v, c.n, false);
        const double tol = 1e-9 * c.n;
        for (std::int32_t k = 0; k < c.n; ++k) {
            const double expectRe = (k == c.f || k == c.n - c.f) ? c.n / 2.0 : 0.0;
            ASSERT_NEAR(v[2 * k], expectRe, tol) << "k=" << k;
            ASSERT_NEAR(v[2 * k + 1], 0.0, tol) << "k=" << k;
        }
    }
}

// ------------------------------------------------------------- theorems

TEST_F(NrFFT, Linearity)
{
    // FFT(a x + b y) = a FFT(x) + b FFT(y). Inputs in [-1, 1]: tolerance
    // 1e-11 * N on each entry (|X[k]| <= 3N here, relative error as in
    // MatchesNaiveDFT, plus the rounding of forming a x + b y).
    const double a = 1.75, b = -0.3;
    for (std::int32_t n : {4, 64, 8192}) {
        for (bool inverse : {false, true}) {
            std::vector<double> x = RandomEntries(2 * n, 1 + n);
            std::vector<double> y = RandomEntries(2 * n, 2 + n);
            std::vector<double> z(2 * n);
            for (std::int32_t i = 0; i < 2 * n; ++i) z[i] = a * x[i] + b * y[i];
            Transform(x, n, inverse);
            Transform(y, n, inverse);
            Transform(z, n, inverse);
            const double tol = 1e-11 * n / (inverse ? n : 1);
            for (std::int32_t i = 0; i < 2 * n; ++i) {
                ASSERT_NEAR(z[i], a * x[i] + b * y[i], tol) << "N=" << n << " i=" << i;
            }
        }
    }
}

TEST_F(NrFFT, ShiftTheorem)
{
    // y[n] = x[n - m] (circular) gives Y[k] = e^(+2 pi i m k / N) X[k] forward.
    // Tolerance 1e-11 * N, as for linearity.
    struct Case {
        std::int32_t n, m;
    };
    const Case cases[] = {{8, 1}, {64, 5}, {1024, 333}, {8192, 4097}};
    for (const Case& c : cases) {
        SCOPED_TRACE("N=" + std::to_string(c.n) + " m=" + std::to_string(c.m));
        std::vector<double> x = RandomEntries(2 * c.n, 55 + c.n);
        std::vector<double> y(2 * c.n);
        for (std::int32_t k = 0; k < c.n; ++k) {
            const std::int32_t from = ((k - c.m) % c.n + c.n) % c.n;
            y[2 * k] = x[2 * from];
            y[2 * k + 1] = x[2 * from + 1];
        }
        Transform(x, c.n, false);
        Transform(y, c.n, false);
        const auto X = ToComplex(x, c.n);
        const auto Y = ToComplex(y, c.n);
        const double tol = 1e-11 * c.n;
        for (std::int32_t k = 0; k < c.n; ++k) {
            const double ang =
                2.0 * std::numbers::pi * static_cast<double>((static_cast<std::int64_t>(c.m) * k) % c.n) / c.n;
            const Complex expected = std::polar(1.0, ang) * X[k];
            ASSERT_LT(std::abs(Y[k] - expected), tol) << "k=" << k;
        }
    }
}

TEST_F(NrFFT, ForwardThenInverseReturnsTheInput)
{
    // Tolerance 1e-13 per entry for inputs in [-1, 1]: a round trip loses about
    // 2 log2(N) eps relative to the rms value, plus the twiddle error.
    for (std::int32_t n : PowersOfTwo(2, 8192)) {
        std::vector<double> v = RandomEntries(2 * n, 600 + n);
        const std::vector<double> original = v;
        Transform(v, n, false);
        Transform(v, n, true);
        for (std::int32_t i = 0; i < 2 * n; ++i) {
            ASSERT_NEAR(v[i], original[i], 1e-13) << "N=" << n << " i=" << i;
        }
    }
}

TEST_F(NrFFT, EntriesFrom2NOnAreNeverTouched)
{
    for (std::int32_t n : PowersOfTwo(2, 8192)) {
        for (bool inverse : {false, true}) {
            std::vector<double> v = RandomEntries(2 * n, 700 + n);
            for (std::uint64_t i = 0; i < 33; ++i) v.push_back(Sentinel(i + 1));
            const auto before = AllBits(v);
            Transform(v, n, inverse);
            const auto after = AllBits(v);
            for (std::size_t i = 2 * n; i < v.size(); ++i) {
                ASSERT_EQ(after[i], before[i]) << "N=" << n << " entry " << i;
            }
        }
    }
}

TEST_F(NrFFT, InverseScalingDividesImaginaryPartsToo)
{
    // An imaginary impulse at point 0: inverse gives i/N everywhere, exactly
    // (every butterfly adds products with zeros, and division by a power of
    // two is exact).
    for (std::int32_t n : {2, 16, 8192}) {
        std::vector<double> v(2 * n, 0.0);
        v[1] = 3.0;
        Transform(v, n, true);
        for (std::int32_t k = 0; k < n; ++k) {
            ASSERT_EQ(v[2 * k], 0.0) << "k=" << k;
            ASSERT_EQ(v[2 * k + 1], 3.0 / n) << "k=" << k;
        }
    }
}

// ------------------------------------------------------ lengths that throw

TEST_F(NrFFT, ArrayShorterThan2NThrowsOutOfRangeAndChangesNothing)
{
    struct Case {
        std::int32_t n;
        std::size_t size;
    };
    const Case cases[] = {{2, 0}, {2, 3}, {8, 15}, {8, 8}, {8192, 16383}, {1 << 20, 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE("N=" + std::to_string(c.n) + " size=" + std::to_string(c.size));
        for (bool inverse : {false, true}) {
            std::vector<double> v = RandomEntries(c.size, 11);
            const auto before = AllBits(v);
            EXPECT_THROW(Transform(v, c.n, inverse), std::out_of_range);
            EXPECT_EQ(AllBits(v), before);
        }
    }
    EXPECT_EQ(g_messageCount, 0);
    // Exactly 2N entries is enough.
    std::vector<double> v = RandomEntries(16, 12);
    EXPECT_NO_THROW(Transform(v, 8, false));
}

TEST_F(NrFFT, PointCountsFrom2To30OnThrowOverflowAndChangeNothing)
{
    // N = 2^30 passes the length test but 2N does not fit in 32 bits; above
    // 2^30 the doubling itself overflows. Both are checked before the array's
    // length, so even a short array gets std::overflow_error, and no message.
    const std::int32_t cases[] = {1 << 30, (1 << 30) + 1, (1 << 30) + (1 << 29),
                                  std::numeric_limits<std::int32_t>::max()};
    for (std::int32_t n : cases) {
        SCOPED_TRACE("N=" + std::to_string(n));
        for (bool inverse : {false, true}) {
            std::vector<double> v = RandomEntries(32, 13);
            const auto before = AllBits(v);
            EXPECT_THROW(Transform(v, n, inverse), std::overflow_error);
            EXPECT_EQ(AllBits(v), before);
        }
    }
    EXPECT_EQ(g_messageCount, 0);
}

}  // namespace
