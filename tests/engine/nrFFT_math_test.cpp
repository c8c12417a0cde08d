// Mathematical properties of nrFFT::FFT: a naive DFT, worked examples and
// theorems, with the tolerance stated and explained where one is used.

#include "FFTTestSupport.h"

namespace {

using namespace nrfft_test;

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

}  // namespace
