#pragma once

// Private to the transform's own files and its tests: the pieces both paths
// share (the twiddle recurrence, the bit-reversal permutation) and the paths
// themselves, exposed so that the tests can check every path bit for bit
// against the literal transcription of the algorithm, whatever the machine
// running them dispatches to.
//
// Every path takes a valid call only: N = 2^n with 1 <= n <= 29 and at least
// 2N entries at d. nrFFT::FFT does the length test and the checks first.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

// Define NRFFT_PORTABLE_ONLY to build without the AVX2 path.
#if (defined(__x86_64__) || defined(_M_X64)) && (defined(__GNUC__) || defined(__clang__)) && \
    !defined(NRFFT_PORTABLE_ONLY)
#define NRFFT_HAVE_AVX2_PATH 1
#else
#define NRFFT_HAVE_AVX2_PATH 0
#endif

namespace nrFFT::detail {

// Plain C++; what nrFFT::FFT uses where AVX2 is not available.
void TransformPortable(double* d, std::int32_t lPoints, bool bInverse);

// True when this build has the AVX2 path and the CPU running it supports AVX2.
bool HaveAvx2();

// AVX2 path (requires HaveAvx2()); hands sizes below 32 points to the portable
// path.
void TransformAvx2(double* d, std::int32_t lPoints, bool bInverse);

// The twiddle recurrence of one pass (the per-pass set-up and the advance after each odd position).
struct Twiddle {
    double wr;
    double wi;
    double alpha;
    double beta;
};

// L is the pass's span in entries (2, 4, ..., N); s = +1 forward, -1 inverse.
inline Twiddle StartPass(std::int32_t L, double s)
{
    const double theta = 6.28318530717959 / L;
    const double t = s * std::sin(0.5 * theta);
    return Twiddle{1.0, 0.0, (t * -2.0) * t, s * std::sin(theta)};
}

inline void Advance(Twiddle& w)
{
    const double wrOld = w.wr;
    w.wr = (w.alpha * w.wr - w.beta * w.wi) + w.wr;
    w.wi = (w.alpha * w.wi + w.beta * wrOld) + w.wi;
}

// The low n bits of x reversed; 1 <= n <= 32.
inline std::uint32_t ReverseBits(std::uint32_t x, int n)
{
    x = ((x >> 1) & 0x55555555u) | ((x & 0x55555555u) << 1);
    x = ((x >> 2) & 0x33333333u) | ((x & 0x33333333u) << 2);
    x = ((x >> 4) & 0x0F0F0F0Fu) | ((x & 0x0F0F0F0Fu) << 4);
    x = ((x >> 8) & 0x00FF00FFu) | ((x & 0x00FF00FFu) << 8);
    x = (x >> 16) | (x << 16);
    return x >> (32 - n);
}

// Byte copies: a point moves with its bits exactly as they were.
inline void SwapPoints(double* d, std::size_t k, std::size_t r)
{
    unsigned char a[2 * sizeof(double)];
    unsigned char b[2 * sizeof(double)];
    std::memcpy(a, d + 2 * k, sizeof a);
    std::memcpy(b, d + 2 * r, sizeof b);
    std::memcpy(d + 2 * k, b, sizeof b);
    std::memcpy(d + 2 * r, a, sizeof a);
}

// The bit-reversal permutation for N = 2^n points: the same permutation (point k and point
// r(k), k with its n digits reversed, change places; moving a value never
// changes its bits), done without the plain data-dependent loop. Write a point
// index as [hi: b bits][mid: m bits][lo: b bits]; its partner is
// [r(lo)][r(mid)][r(hi)]. The points with mid field mid are exchanged with
// those with mid field r(mid), 4 x 4 at a time: four consecutive lo (one
// cache line of points on one side) against the four hi whose reversals are
// consecutive (one cache line on the other side). eachTile() is called before
// each such 4 x 4 tile (for work to overlap with the moves).
template <typename EachTile>
inline void BitReverse(double* d, int n, EachTile&& eachTile)
{
    if (n < 4) {
        const std::uint32_t N = 1u << n;
        for (std::uint32_t k = 0; k < N; ++k) {
            const std::uint32_t r = ReverseBits(k, n);
            if (k < r) SwapPoints(d, k, r);
        }
        return;
    }
    const int b = std::min(5, n / 2);
    const int m = n - 2 * b;
    const std::uint32_t quarter = 1u << (b - 2);
    const int shiftHi = n - b;
    std::uint32_t rev[32];
    for (std::uint32_t i = 0; i < (1u << b); ++i) rev[i] = ReverseBits(i, b);

    for (std::uint32_t mid = 0; mid < (1u << m); ++mid) {
        const std::uint32_t mr = m > 0 ? ReverseBits(mid, m) : 0;
        if (mr < mid) continue;  // done together with mr
        const std::uint32_t midBits = mid << b;
        const std::uint32_t mrBits = mr << b;
        for (std::uint32_t hiLow = 0; hiLow < quarter; ++hiLow) {
            for (std::uint32_t loGroup = 0; loGroup < quarter; ++loGroup) {
                eachTile();
                for (std::uint32_t hiTop = 0; hiTop < 4; ++hiTop) {
                    const std::uint32_t hi = (hiTop << (b - 2)) | hiLow;
                    const std::uint32_t kBase = (hi << shiftHi) | midBits | (loGroup << 2);
                    const std::uint32_t rBase = mrBits | rev[hi];
                    for (std::uint32_t loBits = 0; loBits < 4; ++loBits) {
                        const std::uint32_t k = kBase | loBits;
                        const std::uint32_t r = (rev[(loGroup << 2) | loBits] << shiftHi) | rBase;
                        if (mid != mr || k < r) SwapPoints(d, k, r);
                    }
                }
            }
        }
    }
}

}  // namespace nrFFT::detail
