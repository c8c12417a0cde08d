#pragma once

// Private to the AVX2 path of the transform: how its passes are planned and
// where their twiddles come from. Included by nrFFT_avx2.cpp alone.

#include <immintrin.h>

#include <algorithm>
#include <cstdint>

#include "engine/nrFFT_private.h"

#define NRFFT_AVX2 __attribute__((target("avx2")))
#define NRFFT_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

namespace nrFFT::detail::avx2 {

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
inline void PlanPasses(Plan& plan, int from, int to, double s, RunAhead& ahead)
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


NRFFT_AVX2 inline void RunAhead::Step(std::uint32_t k)
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
NRFFT_AVX2 inline void Produce(TwiddleBlocks& t, int buffer)
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

}  // namespace nrFFT::detail::avx2
