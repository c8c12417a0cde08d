// nrFFT: the in-place radix-2 decimation-in-time transform.
//
// The arithmetic is exactly the textbook loop nest's: the same twiddle recurrence (two sines
// per pass, no cosine, no table), the same operations on the same operands for
// every entry, so the output is bit-for-bit that of a literal transcription of
// its bit reversal, passes and scaling (tests/engine/ReferenceFFT.h; the tests
// check every path). What differs is only the order in which independent
// butterflies are done, and where values sit in between:
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

#include <atomic>
#include <stdexcept>

#include "engine/nrFFT_private.h"

namespace nrFFT {
namespace {

std::atomic<MessageHook> g_messageHook{nullptr};

void ShowMessage(std::string_view text)
{
    if (MessageHook hook = g_messageHook.load(std::memory_order_acquire)) {
        hook(text);
    }
}

}  // namespace

namespace detail {

bool HaveAvx2()
{
#if NRFFT_HAVE_AVX2_PATH
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

}  // namespace detail

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
