// Tests of nrFFT::FFT: bit-for-bit equality with ReferenceFFT.h, the literal
// transcription of the algorithm's steps (whatever nrFFT.cpp does for speed
// must not change a single bit of the output), and the lengths it refuses.

#include "FFTTestSupport.h"

namespace {

using namespace nrfft_test;

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
