#pragma once

// What the transform's tests share: a message hook that counts, bit
// comparisons, awkward inputs, and an independent DFT to hold results against.

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

namespace nrfft_test {

using Complex = std::complex<double>;

// ---------------------------------------------------------------- helpers

inline int g_messageCount = 0;
inline std::string g_lastMessage;

inline void CountingHook(std::string_view text)
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

inline std::uint64_t Bits(double v) { return std::bit_cast<std::uint64_t>(v); }

inline std::vector<std::uint64_t> AllBits(const std::vector<double>& v)
{
    std::vector<std::uint64_t> out(v.size());
    if (!v.empty()) std::memcpy(out.data(), v.data(), v.size() * sizeof(double));
    return out;
}

// How NaNs compare: bit for bit, or any NaN equal to any NaN (see
// BitIdenticalToReferenceOnInfinitiesAndNaNs for why).
enum class NaNs { kSameBits, kBothNaN };

// Index of the first entry whose bits differ, or -1.
inline long FirstBitDifference(const std::vector<double>& a, const std::vector<double>& b,
                        NaNs nans = NaNs::kSameBits)
{
    if (a.size() != b.size()) return 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (nans == NaNs::kBothNaN && std::isnan(a[i]) && std::isnan(b[i])) continue;
        if (Bits(a[i]) != Bits(b[i])) return static_cast<long>(i);
    }
    return -1;
}

inline std::vector<double> RandomEntries(std::size_t count, std::uint64_t seed, double scale = 1.0)
{
    std::mt19937_64 gen(seed);
    std::uniform_real_distribution<double> dist(-scale, scale);
    std::vector<double> v(count);
    for (double& x : v) x = dist(gen);
    return v;
}

// A signalling NaN carrying `tag` in its payload: any arithmetic on it would
// quiet it and so change its bits.
inline double Sentinel(std::uint64_t tag)
{
    return std::bit_cast<double>(0x7FF4000000000000ULL | (tag & 0xFFFFFFFFULL));
}

inline std::vector<Complex> ToComplex(const std::vector<double>& v, std::int32_t n)
{
    std::vector<Complex> out(n);
    for (std::int32_t k = 0; k < n; ++k) out[k] = Complex(v[2 * k], v[2 * k + 1]);
    return out;
}

// Independent O(N^2) DFT in long double with the transform's sign convention:
// forward X[k] = sum x[n] e^(+2 pi i n k / N), inverse with e^(-...) and 1/N.
inline std::vector<std::complex<long double>> NaiveDFT(const std::vector<double>& v, std::int32_t n,
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

inline double L1Norm(const std::vector<double>& v, std::int32_t n)
{
    double sum = 0.0;
    for (std::int32_t k = 0; k < n; ++k) sum += std::abs(Complex(v[2 * k], v[2 * k + 1]));
    return sum;
}

inline void Transform(std::vector<double>& v, std::int32_t n, bool inverse)
{
    nrFFT::FFT(std::span<double>(v), n, inverse);
}

inline std::vector<std::int32_t> PowersOfTwo(std::int32_t from, std::int32_t to)
{
    std::vector<std::int32_t> out;
    for (std::int32_t n = from; n <= to; n *= 2) out.push_back(n);
    return out;
}

}  // namespace nrfft_test
