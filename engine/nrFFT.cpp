// nrFFT: the radix-2 transform of spec Part 1.4.
//
// The arithmetic is exactly the spec's: the same twiddle recurrence (two sines
// per pass, no cosine, no table), the same operations with the same operands
// in the same order for every entry, so the output is bit-for-bit that of a
// literal transcription of steps 2 to 4 (tests/engine/ReferenceFFT.h; the
// tests check it on every path). What differs is only the order in which
// independent butterflies are done, and where values sit in between:
//
//  * Bit reversal swaps the same pairs of points as the spec's loop, grouped
//    so that the index arithmetic has no data-dependent branches and each
//    group's points stay in the L1 cache.
//  * The butterflies of a pass at twiddle index q depend only on the earlier
//    passes' butterflies at q mod (their half-span); so the passes can be
//    interleaved by q ("pipelined"): for each block of T consecutive q, every
//    pass still needing that block runs its butterflies there. The twiddles of
//    each pass are still produced by its own recurrence in the specified
//    sequence, T at a time into a small block on the stack; the recurrences of
//    different passes are independent, so they overlap instead of queueing.
//  * The AVX2 path keeps points in blocks of four with the four real parts
//    followed by the four imaginary parts while it works ("split" layout), so
//    that four butterflies cost four multiplications and six additions and no
//    shuffles; the first four passes run in registers right after the bit
//    reversal has finished a group, and the last pass writes the interleaved
//    layout back (and, for the inverse, divides by N as step 4 does).
//
// No FMA is ever used (the project builds with -ffp-contract=off and the
// intrinsics are separate multiplications and additions).

#include "engine/nrFFT.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "engine/FFTPaths.h"

#if (defined(__x86_64__) || defined(_M_X64)) && (defined(__GNUC__) || defined(__clang__))
#define NRFFT_HAVE_AVX2_PATH 1
#include <immintrin.h>
#else
#define NRFFT_HAVE_AVX2_PATH 0
#endif

namespace nrFFT {

namespace {

std::atomic<MessageHook> g_messageHook{nullptr};

void ShowMessage(std::string_view text)
{
    if (MessageHook hook = g_messageHook.load(std::memory_order_acquire)) {
        hook(text);
    }
}

// ------------------------------------------------------------ shared pieces

// The twiddle recurrence of one pass (spec step 3.1 to 3.3 and 3.4.2).
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

inline void SwapPoints(double* d, std::size_t k, std::size_t r)
{
    const double re = d[2 * k];
    const double im = d[2 * k + 1];
    d[2 * k] = d[2 * r];
    d[2 * k + 1] = d[2 * r + 1];
    d[2 * r] = re;
    d[2 * r + 1] = im;
}

// Spec step 2 for N = 2^n points: the same permutation (point k and point
// r(k), k with its n digits reversed, change places; moving a value never
// changes its bits), done without the spec's data-dependent loop. Write a point
// index as [hi: b bits][mid: m bits][lo: b bits]; its partner is
// [r(lo)][r(mid)][r(hi)]. The points with mid field mid are exchanged with
// those with mid field r(mid), 4 x 4 at a time: four consecutive lo (one
// cache line of points on one side) against the four hi whose reversals are
// consecutive (one cache line on the other side).
inline void BitReverse(double* d, int n)
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

// ------------------------------------------------------------ AVX2 path

#if NRFFT_HAVE_AVX2_PATH

#define NRFFT_AVX2 __attribute__((target("avx2")))
#define NRFFT_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

// Four butterflies in the split layout: (ar, ai) the four points at a,
// (br, bi) those at b = a + h, (wr, wi) their four twiddles. Per lane exactly
// spec step 3.4.1: tr = wr*d[b] - wi*d[b+1], ti = wi*d[b] + wr*d[b+1],
// d[b] = d[a] - tr, d[b+1] = d[a+1] - ti, d[a] = d[a] + tr, d[a+1] = d[a+1] + ti.
NRFFT_AVX2_INLINE void Butterfly(__m256d& ar, __m256d& ai, __m256d& br, __m256d& bi, __m256d wr,
                                 __m256d wi)
{
    const __m256d tr = _mm256_sub_pd(_mm256_mul_pd(wr, br), _mm256_mul_pd(wi, bi));
    const __m256d ti = _mm256_add_pd(_mm256_mul_pd(wi, br), _mm256_mul_pd(wr, bi));
    br = _mm256_sub_pd(ar, tr);
    bi = _mm256_sub_pd(ai, ti);
    ar = _mm256_add_pd(ar, tr);
    ai = _mm256_add_pd(ai, ti);
}

// The twiddles of the first four passes (half-spans 1, 2, 4, 8), arranged for
// Small16: pass 1 broadcast, pass 2 as w0 w1 w0 w1, passes 4 and 8 in order.
struct SmallTwiddles {
    alignas(32) double w1r[4], w1i[4];
    alignas(32) double w2r[4], w2i[4];
    alignas(32) double w4r[4], w4i[4];
    alignas(32) double w8r[8], w8i[8];
};

SmallTwiddles MakeSmallTwiddles(double s)
{
    SmallTwiddles t;
    double r[8], i[8];
    auto run = [&](int h) {
        Twiddle w = StartPass(2 * h, s);
        for (int q = 0; q < h; ++q) {
            r[q] = w.wr;
            i[q] = w.wi;
            Advance(w);
        }
    };
    run(1);
    for (int k = 0; k < 4; ++k) t.w1r[k] = r[0], t.w1i[k] = i[0];
    run(2);
    for (int k = 0; k < 4; ++k) t.w2r[k] = r[k & 1], t.w2i[k] = i[k & 1];
    run(4);
    for (int k = 0; k < 4; ++k) t.w4r[k] = r[k], t.w4i[k] = i[k];
    run(8);
    for (int k = 0; k < 8; ++k) t.w8r[k] = r[k], t.w8i[k] = i[k];
    return t;
}

// Passes 1, 2, 4 and 8 (half-spans) on 16 consecutive points at p, read in the
// interleaved layout and left in the split layout.
NRFFT_AVX2 void Small16(double* p, const SmallTwiddles& t)
{
    __m256d R[4], I[4];
    for (int c = 0; c < 4; ++c) {
        const __m256d x0 = _mm256_loadu_pd(p + 8 * c);      // p0 p1 of the chunk
        const __m256d x1 = _mm256_loadu_pd(p + 8 * c + 4);  // p2 p3
        R[c] = _mm256_unpacklo_pd(x0, x1);                  // r0 r2 r1 r3
        I[c] = _mm256_unpackhi_pd(x0, x1);                  // i0 i2 i1 i3
    }
    const __m256d w1r = _mm256_load_pd(t.w1r), w1i = _mm256_load_pd(t.w1i);
    const __m256d w2r = _mm256_load_pd(t.w2r), w2i = _mm256_load_pd(t.w2i);
    const __m256d w4r = _mm256_load_pd(t.w4r), w4i = _mm256_load_pd(t.w4i);
    for (int c = 0; c < 4; c += 2) {
        // Half-span 1: points 0 2 4 6 against 1 3 5 7 (of these eight).
        __m256d ar = _mm256_permute2f128_pd(R[c], R[c + 1], 0x20);
        __m256d br = _mm256_permute2f128_pd(R[c], R[c + 1], 0x31);
        __m256d ai = _mm256_permute2f128_pd(I[c], I[c + 1], 0x20);
        __m256d bi = _mm256_permute2f128_pd(I[c], I[c + 1], 0x31);
        Butterfly(ar, ai, br, bi, w1r, w1i);
        // Half-span 2: points 0 1 4 5 against 2 3 6 7.
        __m256d pr = _mm256_unpacklo_pd(ar, br);
        __m256d qr = _mm256_unpackhi_pd(ar, br);
        __m256d pi = _mm256_unpacklo_pd(ai, bi);
        __m256d qi = _mm256_unpackhi_pd(ai, bi);
        Butterfly(pr, pi, qr, qi, w2r, w2i);
        // Half-span 4: points 0 1 2 3 against 4 5 6 7.
        ar = _mm256_permute2f128_pd(pr, qr, 0x20);
        br = _mm256_permute2f128_pd(pr, qr, 0x31);
        ai = _mm256_permute2f128_pd(pi, qi, 0x20);
        bi = _mm256_permute2f128_pd(pi, qi, 0x31);
        Butterfly(ar, ai, br, bi, w4r, w4i);
        R[c] = ar, I[c] = ai, R[c + 1] = br, I[c + 1] = bi;
    }
    // Half-span 8: chunks 0 1 against 2 3.
    Butterfly(R[0], I[0], R[2], I[2], _mm256_load_pd(t.w8r), _mm256_load_pd(t.w8i));
    Butterfly(R[1], I[1], R[3], I[3], _mm256_load_pd(t.w8r + 4), _mm256_load_pd(t.w8i + 4));
    for (int c = 0; c < 4; ++c) {
        _mm256_storeu_pd(p + 8 * c, R[c]);
        _mm256_storeu_pd(p + 8 * c + 4, I[c]);
    }
}

// Butterflies on four points at pa against four at pb (split layout).
NRFFT_AVX2_INLINE void ButterflyAt(double* pa, double* pb, const double* wr, const double* wi)
{
    __m256d ar = _mm256_loadu_pd(pa), ai = _mm256_loadu_pd(pa + 4);
    __m256d br = _mm256_loadu_pd(pb), bi = _mm256_loadu_pd(pb + 4);
    Butterfly(ar, ai, br, bi, _mm256_load_pd(wr), _mm256_load_pd(wi));
    _mm256_storeu_pd(pa, ar), _mm256_storeu_pd(pa + 4, ai);
    _mm256_storeu_pd(pb, br), _mm256_storeu_pd(pb + 4, bi);
}

// Four split points back to interleaved at p.
NRFFT_AVX2_INLINE void StoreInterleaved(double* p, __m256d re, __m256d im)
{
    const __m256d lo = _mm256_unpacklo_pd(re, im);  // r0 i0 r2 i2
    const __m256d hi = _mm256_unpackhi_pd(re, im);  // r1 i1 r3 i3
    _mm256_storeu_pd(p, _mm256_permute2f128_pd(lo, hi, 0x20));
    _mm256_storeu_pd(p + 4, _mm256_permute2f128_pd(lo, hi, 0x31));
}

// The last pass: butterflies, then (inverse) step 4's division, then back to
// the interleaved layout.
NRFFT_AVX2_INLINE void LastButterflyAt(double* pa, double* pb, const double* wr, const double* wi,
                                       bool inverse, __m256d n)
{
    __m256d ar = _mm256_loadu_pd(pa), ai = _mm256_loadu_pd(pa + 4);
    __m256d br = _mm256_loadu_pd(pb), bi = _mm256_loadu_pd(pb + 4);
    Butterfly(ar, ai, br, bi, _mm256_load_pd(wr), _mm256_load_pd(wi));
    if (inverse) {
        ar = _mm256_div_pd(ar, n), ai = _mm256_div_pd(ai, n);
        br = _mm256_div_pd(br, n), bi = _mm256_div_pd(bi, n);
    }
    StoreInterleaved(pa, ar, ai);
    StoreInterleaved(pb, br, bi);
}

// Passes jFirst .. nr-1 on the 2^nr points at d, pipelined by blocks of
// kBlock twiddle indices (see the top of the file); 2^jFirst >= kBlock. With
// final set, pass nr-1 is the transform's last pass and leaves the
// interleaved layout (divided by N for the inverse).
NRFFT_AVX2 void PipelinedPasses(double* d, int nr, int jFirst, double s, bool final, bool inverse,
                                double dN)
{
    constexpr std::uint32_t kBlock = 8;
    const std::uint32_t count = 1u << nr;
    const std::uint32_t half = count / 2;
    const int top = nr - 1;
    Twiddle chain[32];
    for (int j = jFirst; j < nr; ++j) chain[j] = StartPass(std::int32_t{2} << j, s);
    alignas(32) double twr[32][kBlock];
    alignas(32) double twi[32][kBlock];
    const __m256d scale = _mm256_set1_pd(dN);

    for (std::uint32_t qb = 0; qb < half; qb += kBlock) {
        // Passes whose half-span exceeds qb still have butterflies here.
        const int first = std::max(jFirst, static_cast<int>(std::bit_width(qb)));
        for (int j = first; j < nr; ++j) {
            Twiddle w = chain[j];
            for (std::uint32_t k = 0; k < kBlock; ++k) {
                twr[j][k] = w.wr;
                twi[j][k] = w.wi;
                Advance(w);
            }
            chain[j] = w;
        }
        for (int j = first; j < top; ++j) {
            const std::uint32_t h = 1u << j;
            for (std::uint32_t g = qb; g < count; g += 2 * h) {
                for (std::uint32_t k = 0; k < kBlock; k += 4) {
                    double* pa = d + 2 * static_cast<std::size_t>(g + k);
                    ButterflyAt(pa, pa + 2 * static_cast<std::size_t>(h), twr[j] + k, twi[j] + k);
                }
            }
        }
        for (std::uint32_t k = 0; k < kBlock; k += 4) {
            double* pa = d + 2 * static_cast<std::size_t>(qb + k);
            double* pb = pa + 2 * static_cast<std::size_t>(half);
            if (final) {
                LastButterflyAt(pa, pb, twr[top] + k, twi[top] + k, inverse, scale);
            } else {
                ButterflyAt(pa, pb, twr[top] + k, twi[top] + k);
            }
        }
    }
}

// N = 2^n points, n >= 5.
NRFFT_AVX2 void TransformAvx2Impl(double* d, int n, bool inverse)
{
    // Passes with half-span up to 2^(kBlockBits-1) run block by block on
    // 2^kBlockBits points (32 KiB: they stay in the L1 cache); the rest run
    // over the whole array, whose passes then read it in long runs.
    constexpr int kBlockBits = 11;
    const double s = inverse ? -1.0 : 1.0;
    const double dN = static_cast<double>(std::uint32_t{1} << n);
    const int nb = std::min(n, kBlockBits);
    const std::uint32_t blockPoints = 1u << nb;

    BitReverse(d, n);
    const SmallTwiddles small = MakeSmallTwiddles(s);
    for (std::uint32_t first = 0; first < (1u << n); first += blockPoints) {
        double* p = d + 2 * static_cast<std::size_t>(first);
        for (std::uint32_t i = 0; i < blockPoints; i += 16) Small16(p + 2 * i, small);
        PipelinedPasses(p, nb, 4, s, nb == n, inverse, dN);
    }
    if (nb < n) PipelinedPasses(d, n, nb, s, true, inverse, dN);
}

#endif  // NRFFT_HAVE_AVX2_PATH

}  // namespace

// ------------------------------------------------------------ paths

namespace detail {

void TransformPortable(double* d, std::int32_t lPoints, bool bInverse)
{
    const std::uint32_t N = static_cast<std::uint32_t>(lPoints);
    const int n = std::countr_zero(N);
    BitReverse(d, n);

    const double s = bInverse ? -1.0 : 1.0;
    constexpr std::uint32_t kBlock = 8;
    double twr[kBlock];
    double twi[kBlock];
    for (int j = 0; j < n; ++j) {
        const std::uint32_t h = 1u << j;
        const std::uint32_t block = std::min(h, kBlock);
        Twiddle w = StartPass(static_cast<std::int32_t>(2 * h), s);
        for (std::uint32_t qb = 0; qb < h; qb += block) {
            for (std::uint32_t k = 0; k < block; ++k) {
                twr[k] = w.wr;
                twi[k] = w.wi;
                Advance(w);
            }
            for (std::uint32_t g = qb; g < N; g += 2 * h) {
                double* a = d + 2 * static_cast<std::size_t>(g);
                double* b = a + 2 * static_cast<std::size_t>(h);
                for (std::uint32_t k = 0; k < block; ++k) {
                    const double wr = twr[k];
                    const double wi = twi[k];
                    const double tr = wr * b[2 * k] - wi * b[2 * k + 1];
                    const double ti = wi * b[2 * k] + wr * b[2 * k + 1];
                    b[2 * k] = a[2 * k] - tr;
                    b[2 * k + 1] = a[2 * k + 1] - ti;
                    a[2 * k] = a[2 * k] + tr;
                    a[2 * k + 1] = a[2 * k + 1] + ti;
                }
            }
        }
    }

    if (bInverse) {
        const double dN = static_cast<double>(N);
        for (std::size_t i = 0; i < 2 * static_cast<std::size_t>(N); ++i) d[i] = d[i] / dN;
    }
}

bool HaveAvx2()
{
#if NRFFT_HAVE_AVX2_PATH
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

void TransformAvx2(double* d, std::int32_t lPoints, bool bInverse)
{
#if NRFFT_HAVE_AVX2_PATH
    const int n = std::countr_zero(static_cast<std::uint32_t>(lPoints));
    if (n >= 5) {
        TransformAvx2Impl(d, n, bInverse);
        return;
    }
#endif
    TransformPortable(d, lPoints, bInverse);
}

}  // namespace detail

// ------------------------------------------------------------ public

void SetMessageHook(MessageHook hook)
{
    g_messageHook.store(hook, std::memory_order_release);
}

void FFT(std::span<double> dComplex, std::int32_t lPoints, bool bInverse)
{
    const std::int32_t N = lPoints;

    // Step 1, length test. The spec's doubling overflows for N > 2^30; that is
    // reported as std::overflow_error instead of an arithmetic fault.
    std::int32_t K = 2;
    while (N > K) {
        if (K > INT32_MAX / 2) {
            throw std::overflow_error("nrFFT::FFT: point count overflows while doubling");
        }
        K = 2 * K;
    }
    if (K != N) {
        ShowMessage(kPowersOfTwoMessage);
        return;
    }
    // N = 2^30 passes the length test but 2N does not fit in 32 bits.
    if (N > INT32_MAX / 2) {
        throw std::overflow_error("nrFFT::FFT: 2 * point count does not fit in 32 bits");
    }
    if (dComplex.size() < 2 * static_cast<std::size_t>(N)) {
        throw std::out_of_range("nrFFT::FFT: array shorter than 2 * point count");
    }

    if (detail::HaveAvx2()) {
        detail::TransformAvx2(dComplex.data(), N, bInverse);
    } else {
        detail::TransformPortable(dComplex.data(), N, bInverse);
    }
}

}  // namespace nrFFT
