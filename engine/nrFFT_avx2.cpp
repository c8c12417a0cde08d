// The transform's AVX2 path: butterflies four at a time in the split layout,
// small passes on blocks that stay in the L1 cache, pairs of passes in
// registers. Every function carries the AVX2 target itself, so nothing built
// here for AVX2 can stand in for the portable path.

#include <bit>

#include "engine/nrFFT_private.h"

#if NRFFT_HAVE_AVX2_PATH

#include "engine/nrFFT_private_avx2.h"

namespace nrFFT::detail {
namespace avx2 {
namespace {


// Four butterflies in the split layout: (ar, ai) the four points at a,
// (br, bi) those at b = a + h, (wr, wi) their four twiddles. Per lane exactly
// the butterfly: tr = wr*d[b] - wi*d[b+1], ti = wi*d[b] + wr*d[b+1],
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

// Four split points back to interleaved at p.
NRFFT_AVX2_INLINE void StoreInterleaved(double* p, __m256d re, __m256d im)
{
    const __m256d lo = _mm256_unpacklo_pd(re, im);  // r0 i0 r2 i2
    const __m256d hi = _mm256_unpackhi_pd(re, im);  // r1 i1 r3 i3
    _mm256_storeu_pd(p, _mm256_permute2f128_pd(lo, hi, 0x20));
    _mm256_storeu_pd(p + 4, _mm256_permute2f128_pd(lo, hi, 0x31));
}

// The transform's last pass writes the interleaved layout back (divided by N
// for the inverse); every other pass leaves the split layout.
struct Store {
    bool final;
    bool inverse;
    __m256d n;
};

NRFFT_AVX2_INLINE void StoreChunk(double* p, __m256d re, __m256d im, const Store& st)
{
    if (st.final) {
        if (st.inverse) {
            re = _mm256_div_pd(re, st.n);
            im = _mm256_div_pd(im, st.n);
        }
        StoreInterleaved(p, re, im);
    } else {
        _mm256_storeu_pd(p, re);
        _mm256_storeu_pd(p + 4, im);
    }
}

// Pass j alone on the `count` points at d.
NRFFT_AVX2 void SinglePass(double* d, std::uint32_t count, int j, const PassPlan& plan, const Store& st,
                           RunAhead* ahead)
{
    const std::uint32_t h = 1u << j;
    const Order order = MakeOrder(plan.segments, plan.length);
    TwiddleBlocks tw;
    tw.Add(plan);
    Produce(tw, 0);
    int cur = 0;
    for (std::uint32_t u = 0; u < plan.length; u += kBlock) {
        if (u + kBlock < plan.length) Produce(tw, cur ^ 1);
        if (ahead) ahead->Step(4);
        for (std::uint32_t g = u; g < count; g += 2 * h) {
            for (int t = 0; t < order.steps; ++t) {
                const int sg = order.segment[t];
                const std::uint32_t k = order.offset[t] & (kBlock - 1);
                const __m256d wr = _mm256_load_pd(tw.re[cur][sg] + k);
                const __m256d wi = _mm256_load_pd(tw.im[cur][sg] + k);
                double* pa = d + 2 * static_cast<std::size_t>(g + order.offset[t]);
                double* pb = pa + 2 * static_cast<std::size_t>(h);
                __m256d ar = _mm256_loadu_pd(pa), ai = _mm256_loadu_pd(pa + 4);
                __m256d br = _mm256_loadu_pd(pb), bi = _mm256_loadu_pd(pb + 4);
                Butterfly(ar, ai, br, bi, wr, wi);
                StoreChunk(pa, ar, ai, st);
                StoreChunk(pb, br, bi, st);
            }
        }
        cur ^= 1;
    }
}

// Passes j and j+1 together on the `count` points at d: for each twiddle
// index q < h = 2^j and each group of 4h points, the four points at q, q+h,
// q+2h, q+3h get pass j's butterflies (q, q+h) and (q+2h, q+3h), both with
// w_j(q), then pass j+1's butterflies (q, q+2h) with w_j+1(q) and (q+h, q+3h)
// with w_j+1(q+h), in registers. Pass j runs in S segments of length L, pass
// j+1 in 2S of the same length: w_j+1(q+h) comes from segment S + q / L.
NRFFT_AVX2 void PairPasses(double* d, std::uint32_t count, int j, const PassPlan& first,
                           const PassPlan& second, const Store& st, RunAhead* ahead)
{
    const std::uint32_t h = 1u << j;
    const std::uint32_t length = first.length;
    const int segments = first.segments;
    const Order order = MakeOrder(segments, length);
    TwiddleBlocks tw;
    tw.Add(first);   // chains 0 .. S-1
    tw.Add(second);  // chains S .. 3S-1
    Produce(tw, 0);
    int cur = 0;
    for (std::uint32_t u = 0; u < length; u += kBlock) {
        if (u + kBlock < length) Produce(tw, cur ^ 1);
        if (ahead) ahead->Step(4);
        for (std::uint32_t g = u; g < count; g += 4 * h) {
            for (int t = 0; t < order.steps; ++t) {
                const int sg = order.segment[t];
                const std::uint32_t k = order.offset[t] & (kBlock - 1);
                double* p0 = d + 2 * static_cast<std::size_t>(g + order.offset[t]);
                double* p1 = p0 + 2 * static_cast<std::size_t>(h);
                double* p2 = p1 + 2 * static_cast<std::size_t>(h);
                double* p3 = p2 + 2 * static_cast<std::size_t>(h);
                __m256d r0 = _mm256_loadu_pd(p0), i0 = _mm256_loadu_pd(p0 + 4);
                __m256d r1 = _mm256_loadu_pd(p1), i1 = _mm256_loadu_pd(p1 + 4);
                __m256d r2 = _mm256_loadu_pd(p2), i2 = _mm256_loadu_pd(p2 + 4);
                __m256d r3 = _mm256_loadu_pd(p3), i3 = _mm256_loadu_pd(p3 + 4);
                const __m256d wr = _mm256_load_pd(tw.re[cur][sg] + k);
                const __m256d wi = _mm256_load_pd(tw.im[cur][sg] + k);
                Butterfly(r0, i0, r1, i1, wr, wi);
                Butterfly(r2, i2, r3, i3, wr, wi);
                Butterfly(r0, i0, r2, i2, _mm256_load_pd(tw.re[cur][segments + sg] + k),
                          _mm256_load_pd(tw.im[cur][segments + sg] + k));
                Butterfly(r1, i1, r3, i3, _mm256_load_pd(tw.re[cur][2 * segments + sg] + k),
                          _mm256_load_pd(tw.im[cur][2 * segments + sg] + k));
                StoreChunk(p0, r0, i0, st);
                StoreChunk(p1, r1, i1, st);
                StoreChunk(p2, r2, i2, st);
                StoreChunk(p3, r3, i3, st);
            }
        }
        cur ^= 1;
    }
}

// Passes from .. to-1 on the `count` points at d as PlanPasses grouped them.
NRFFT_AVX2 void RunPasses(double* d, std::uint32_t count, int from, int to, const Plan& plan,
                          bool finalStage, bool inverse, double dN, RunAhead* ahead)
{
    const __m256d n = _mm256_set1_pd(dN);
    for (int j = from; j < to;) {
        if (plan.pass[j].pairedWithNext) {
            PairPasses(d, count, j, plan.pass[j], plan.pass[j + 1],
                       Store{finalStage && j + 2 == to, inverse, n}, ahead);
            j += 2;
        } else {
            SinglePass(d, count, j, plan.pass[j], Store{finalStage && j + 1 == to, inverse, n}, ahead);
            j += 1;
        }
    }
}

// N = 2^n points, n >= 5.
NRFFT_AVX2 void TransformAvx2Impl(double* d, int n, bool inverse)
{
    // The passes up to half-span 2^(kBlockPasses-1), whose twiddles are few,
    // run block by block on 2^kBlockBits points (32 KiB: they stay in the L1
    // cache), recomputing those few twiddles for each block. The others run
    // over the whole array, so that each of their twiddles is computed once.
    constexpr int kBlockBits = 11;
    constexpr int kBlockPasses = 7;
    const double s = inverse ? -1.0 : 1.0;
    const double dN = static_cast<double>(std::uint32_t{1} << n);
    const int nb = std::min(n, kBlockBits);
    const int jb = std::min(n, kBlockPasses);
    const std::uint32_t blockPoints = 1u << nb;

    RunAhead aheadBlocks;  // states the block passes need
    RunAhead aheadRest;    // states the passes over the whole array need
    Plan plan;
    PlanPasses(plan, 4, jb, s, aheadBlocks);
    PlanPasses(plan, jb, n, s, aheadRest);
    const SmallTwiddles small = MakeSmallTwiddles(s);

    BitReverse(d, n, [&] {
        aheadBlocks.Step(1);
        aheadRest.Step(4);
    });
    aheadBlocks.Finish();
    for (std::uint32_t first = 0; first < (1u << n); first += blockPoints) {
        double* p = d + 2 * static_cast<std::size_t>(first);
        for (std::uint32_t i = 0; i < blockPoints; i += 16) Small16(p + 2 * i, small);
        RunPasses(p, blockPoints, 4, jb, plan, jb == n, inverse, dN, &aheadRest);
    }
    if (jb < n) {
        aheadRest.Finish();
        RunPasses(d, 1u << n, jb, n, plan, true, inverse, dN, nullptr);
    }
}

}  // namespace
}  // namespace avx2

void TransformAvx2(double* d, std::int32_t lPoints, bool bInverse)
{
    const int n = std::countr_zero(static_cast<std::uint32_t>(lPoints));
    if (n >= 5) {
        avx2::TransformAvx2Impl(d, n, bInverse);
        return;
    }
    TransformPortable(d, lPoints, bInverse);
}

}  // namespace nrFFT::detail

#else

namespace nrFFT::detail {

void TransformAvx2(double* d, std::int32_t lPoints, bool bInverse)
{
    TransformPortable(d, lPoints, bInverse);
}

}  // namespace nrFFT::detail

#endif  // NRFFT_HAVE_AVX2_PATH
