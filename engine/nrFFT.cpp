// nrFFT: the in-place radix-2 decimation-in-time transform.
//
// The arithmetic is exactly the textbook loop nest's: the same twiddle recurrence (two sines
// per pass, no cosine, no table), the same operations on the same operands for
// every entry, so the output is bit-for-bit that of a literal transcription of
// steps 2 to 4 (tests/engine/ReferenceFFT.h; the tests check every path). What
// differs is only the order in which independent butterflies are done, and
// where values sit in between:
//
//  * Bit reversal swaps the same pairs of points as the plain loop, in 4 x 4
//    tiles of cache lines and without its data-dependent branches.
//  * Every butterfly of a pass depends only on the butterflies of the earlier
//    passes, so within one pass (or one pair of passes) their order is free.
//    Twiddles are produced by each pass's recurrence in their own
//    sequence, 16 at a time into a small block on the stack (double-buffered,
//    one block ahead); several recurrences run side by side in the lanes of a
//    vector, each lane doing exactly the plain loop's operations.
//  * A pass's recurrence is deterministic: run once ahead of time ("run
//    ahead", in the background of the bit reversal), it gives the state
//    w(h/2) of the next pass bit for bit, so that pass can run as two
//    segments, each continuing the recurrence from its own start. This lets
//    passes j and j+1 be done together in registers (radix-4 units), with
//    pass j+1's twiddles w(q) and w(q + 2^j) both coming from a recurrence.
//    Only those single states are kept: there is no twiddle table.
//  * The AVX2 path keeps points in blocks of four, four real parts then four
//    imaginary parts ("split" layout), so that four butterflies cost four
//    multiplications and six additions and no shuffles. Passes up to
//    half-span 64 run on 2048-point blocks that stay in the L1 cache; the
//    rest run over the whole array. The last pass writes the interleaved
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
#include <cstring>
#include <stdexcept>

#include "engine/FFTPaths.h"

// Define NRFFT_PORTABLE_ONLY to build without the AVX2 path.
#if (defined(__x86_64__) || defined(_M_X64)) && (defined(__GNUC__) || defined(__clang__)) && \
    !defined(NRFFT_PORTABLE_ONLY)
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

// ------------------------------------------------------------ AVX2 path

#if NRFFT_HAVE_AVX2_PATH

#define NRFFT_AVX2 __attribute__((target("avx2")))
#define NRFFT_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

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

// --- Segments. The twiddles of a pass are w(0), w(1), ... w(h-1), each from
// the one before by the recurrence. Run once from w(0) ahead of time, the
// same recurrence gives (bit for bit) the states w(L), w(2L), ...; a pass
// can then be done as h/L segments, each producing its twiddles by the
// recurrence from its own starting state, side by side, so that the serial
// chain of the recurrence is h/L times shorter. Only those few states are
// kept, never a table: the run ahead is done in the background of work that
// leaves the floating-point units idle (the bit reversal, the first passes).

constexpr int kMaxSegments = 4;

// The states w(L), w(2L), ... of up to kLanes passes' recurrences, computed
// side by side (each lane does exactly Advance's operations) a few steps at a
// time.
class RunAhead {
public:
    static constexpr int kLanes = 8;
    int Room() const { return kLanes - lanes_; }
    void Add(const Twiddle& start, std::uint32_t every, int states, Twiddle* out)
    {
        const int lane = lanes_++;
        wr_[lane] = start.wr;
        wi_[lane] = start.wi;
        alpha_[lane] = start.alpha;
        beta_[lane] = start.beta;
        for (int k = 1; k <= states; ++k) {
            // Kept sorted by step.
            Event e{every * static_cast<std::uint32_t>(k), lane, out + (k - 1)};
            int i = events_++;
            while (i > 0 && event_[i - 1].step > e.step) {
                event_[i] = event_[i - 1];
                --i;
            }
            event_[i] = e;
        }
        total_ = std::max(total_, every * static_cast<std::uint32_t>(states));
    }
    void Step(std::uint32_t k);  // up to k more steps
    void Finish() { Step(total_ - done_); }

private:
    struct Event {
        std::uint32_t step;
        int lane;
        Twiddle* out;
    };
    alignas(32) double wr_[kLanes] = {}, wi_[kLanes] = {};
    alignas(32) double alpha_[kLanes] = {}, beta_[kLanes] = {};
    Event event_[kLanes * 3];
    int lanes_ = 0;
    int events_ = 0;
    int next_ = 0;
    std::uint32_t done_ = 0;
    std::uint32_t total_ = 0;
};

// How pass j runs: in `segments` segments of `length` twiddle indices, each
// from its own starting state (start[0] from the pass's two sines, the others
// computed by a RunAhead).
struct PassPlan {
    bool pairedWithNext = false;
    int segments = 1;
    std::uint32_t length = 0;
    Twiddle start[2 * kMaxSegments] = {};
};

struct Plan {
    PassPlan pass[32];
};

// Passes from .. to-1, grouped as the AVX2 path does them: a single pass
// first if their number is odd, then pairs (j, j+1) done together, pass j in
// one segment and pass j+1 in two (the second from the state w_j+1(2^j),
// computed by a RunAhead), so that both passes of a pair have 2^j twiddles
// per segment. When the RunAhead has no room left (only for very long
// transforms), a pair's passes run one by one instead.
// (Splitting the last pair further, 2 and 4 segments, shortens its serial
// chain but needs a run-ahead of 3N/8 steps, which costs more than it saves.)
void PlanPasses(Plan& plan, int from, int to, double s, RunAhead& ahead)
{
    auto set = [&](int j, int segments, bool paired) {
        PassPlan& p = plan.pass[j];
        const std::uint32_t h = std::uint32_t{1} << j;
        p.pairedWithNext = paired;
        p.segments = segments;
        p.length = h / static_cast<std::uint32_t>(segments);
        p.start[0] = StartPass(static_cast<std::int32_t>(2 * h), s);  // the pass's two sines
        if (segments > 1) ahead.Add(p.start[0], p.length, segments - 1, &p.start[1]);
    };
    int j = from;
    if ((to - from) % 2 != 0) set(j++, 1, false);
    for (; j < to; j += 2) {
        if (ahead.Room() >= 1) {
            set(j, 1, true), set(j + 1, 2, false);
        } else {
            set(j, 1, false), set(j + 1, 1, false);
        }
    }
}


NRFFT_AVX2 void RunAhead::Step(std::uint32_t k)
{
    const std::uint32_t stop = std::min(total_, done_ + k);
    if (done_ >= stop) return;
    __m256d wr0 = _mm256_load_pd(wr_), wi0 = _mm256_load_pd(wi_);
    __m256d wr1 = _mm256_load_pd(wr_ + 4), wi1 = _mm256_load_pd(wi_ + 4);
    const __m256d a0 = _mm256_load_pd(alpha_), b0 = _mm256_load_pd(beta_);
    const __m256d a1 = _mm256_load_pd(alpha_ + 4), b1 = _mm256_load_pd(beta_ + 4);
    const bool two = lanes_ > 4;
    while (done_ < stop) {
        // wr' = (alpha*wr - beta*wi) + wr, wi' = (alpha*wi + beta*wr) + wi
        const __m256d nr0 =
            _mm256_add_pd(_mm256_sub_pd(_mm256_mul_pd(a0, wr0), _mm256_mul_pd(b0, wi0)), wr0);
        wi0 = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(a0, wi0), _mm256_mul_pd(b0, wr0)), wi0);
        wr0 = nr0;
        if (two) {
            const __m256d nr1 =
                _mm256_add_pd(_mm256_sub_pd(_mm256_mul_pd(a1, wr1), _mm256_mul_pd(b1, wi1)), wr1);
            wi1 = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(a1, wi1), _mm256_mul_pd(b1, wr1)), wi1);
            wr1 = nr1;
        }
        ++done_;
        if (next_ < events_ && event_[next_].step == done_) {
            _mm256_store_pd(wr_, wr0), _mm256_store_pd(wi_, wi0);
            _mm256_store_pd(wr_ + 4, wr1), _mm256_store_pd(wi_ + 4, wi1);
            for (; next_ < events_ && event_[next_].step == done_; ++next_) {
                const int lane = event_[next_].lane;
                *event_[next_].out = Twiddle{wr_[lane], wi_[lane], alpha_[lane], beta_[lane]};
            }
        }
    }
    _mm256_store_pd(wr_, wr0), _mm256_store_pd(wi_, wi0);
    _mm256_store_pd(wr_ + 4, wr1), _mm256_store_pd(wi_ + 4, wi1);
}

// Twiddles of some segments, produced kBlock at a time into a double buffer
// one block ahead of their use.
constexpr std::uint32_t kBlock = 16;

// The butterflies of a sweep are independent of each other, so their order is
// free; it matters for speed. A load that follows a store to an address with
// the same low 12 bits waits for that store ("4K aliasing"), and the points
// that a block's segments (and groups) touch are often exactly 4 KiB
// multiples apart. So within a group, the four 4-point columns k of a block
// are taken for the segments in a rotated order: step t does segment t % S,
// column (t / S + rotation * (t % S)) % 4, which puts at least two other
// columns between two uses of one offset.
constexpr std::uint32_t kColumns = kBlock / 4;

struct Order {
    int steps;
    std::uint8_t segment[kMaxSegments * kColumns];
    std::uint32_t offset[kMaxSegments * kColumns];  // in points: segment start + column
};

inline Order MakeOrder(int segments, std::uint32_t length)
{
    Order o;
    o.steps = segments * static_cast<int>(kColumns);
    const int rotation = segments == 2 ? 2 : 1;
    for (int t = 0; t < o.steps; ++t) {
        const int sg = t % segments;
        const int column = (t / segments + rotation * sg) % static_cast<int>(kColumns);
        o.segment[t] = static_cast<std::uint8_t>(sg);
        o.offset[t] = static_cast<std::uint32_t>(sg) * length + 4 * static_cast<std::uint32_t>(column);
    }
    return o;
}

// The recurrences of up to 2 * kMaxSegments chains run side by side, four to
// a vector: each lane does exactly Advance's operations on its own chain.
struct TwiddleBlocks {
    static constexpr int kChains = 2 * kMaxSegments;
    int count = 0;
    alignas(32) double wr[kChains] = {}, wi[kChains] = {};
    alignas(32) double alpha[kChains] = {}, beta[kChains] = {};
    alignas(32) double re[2][kChains][kBlock];
    alignas(32) double im[2][kChains][kBlock];

    void Add(const PassPlan& p)
    {
        for (int sg = 0; sg < p.segments; ++sg) {
            wr[count] = p.start[sg].wr;
            wi[count] = p.start[sg].wi;
            alpha[count] = p.start[sg].alpha;
            beta[count] = p.start[sg].beta;
            ++count;
        }
    }
};

NRFFT_AVX2_INLINE void StoreLanes(double (*to)[kBlock], int first, int count, std::uint32_t k, __m256d v)
{
    const __m128d lo = _mm256_castpd256_pd128(v);
    const __m128d hi = _mm256_extractf128_pd(v, 1);
    _mm_storel_pd(&to[first][k], lo);
    if (count > 1) _mm_storeh_pd(&to[first + 1][k], lo);
    if (count > 2) _mm_storel_pd(&to[first + 2][k], hi);
    if (count > 3) _mm_storeh_pd(&to[first + 3][k], hi);
}

// The next kBlock twiddles of every chain into buffer `buffer`.
NRFFT_AVX2 void Produce(TwiddleBlocks& t, int buffer)
{
    for (int first = 0; first < t.count; first += 4) {
        const int lanes = std::min(4, t.count - first);
        __m256d wr = _mm256_load_pd(t.wr + first);
        __m256d wi = _mm256_load_pd(t.wi + first);
        const __m256d alpha = _mm256_load_pd(t.alpha + first);
        const __m256d beta = _mm256_load_pd(t.beta + first);
        for (std::uint32_t k = 0; k < kBlock; ++k) {
            StoreLanes(t.re[buffer], first, lanes, k, wr);
            StoreLanes(t.im[buffer], first, lanes, k, wi);
            // wr' = (alpha*wr - beta*wi) + wr, wi' = (alpha*wi + beta*wr) + wi
            const __m256d nr = _mm256_add_pd(
                _mm256_sub_pd(_mm256_mul_pd(alpha, wr), _mm256_mul_pd(beta, wi)), wr);
            wi = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(alpha, wi), _mm256_mul_pd(beta, wr)), wi);
            wr = nr;
        }
        _mm256_store_pd(t.wr + first, wr);
        _mm256_store_pd(t.wi + first, wi);
    }
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

#endif  // NRFFT_HAVE_AVX2_PATH

}  // namespace

// ------------------------------------------------------------ paths

namespace detail {

void TransformPortable(double* d, std::int32_t lPoints, bool bInverse)
{
    const std::uint32_t N = static_cast<std::uint32_t>(lPoints);
    const int n = std::countr_zero(N);
    BitReverse(d, n, [] {});

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

    // Step 1, length test. The doubling overflows for N > 2^30; that is
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
