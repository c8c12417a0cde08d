#include "engine/nrFFT.h"

#include <atomic>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <utility>

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
    const std::int32_t M = 2 * N;
    if (dComplex.size() < static_cast<std::size_t>(M)) {
        throw std::out_of_range("nrFFT::FFT: array shorter than 2 * point count");
    }

    double* const data = dComplex.data();
    auto d = [data](std::int32_t p) -> double& { return data[p - 1]; };  // position p
    const double s = bInverse ? -1.0 : 1.0;

    // Step 2: bit-reversal permutation.
    std::int32_t b = 1;
    for (std::int32_t a = 1; a <= M - 1; a += 2) {
        if (b > a) {
            std::swap(d(b), d(a));
            std::swap(d(b + 1), d(a + 1));
        }
        std::int32_t h = N;
        while (h >= 2 && b > h) {
            b = b - h;
            h = h / 2;
        }
        b = b + h;
    }

    // Step 3: butterfly passes.
    std::int32_t L = 2;
    while (M > L) {
        const std::int32_t S = 2 * L;
        const double theta = 6.28318530717959 / L;
        const double t = s * std::sin(0.5 * theta);
        const double alpha = (t * -2.0) * t;
        const double beta = s * std::sin(theta);
        double wr = 1.0;
        double wi = 0.0;
        for (std::int32_t o = 1; o <= L - 1; o += 2) {
            for (std::int32_t a = o; a <= M; a += S) {
                const std::int32_t bb = a + L;
                const double tr = wr * d(bb) - wi * d(bb + 1);
                const double ti = wi * d(bb) + wr * d(bb + 1);
                d(bb) = d(a) - tr;
                d(bb + 1) = d(a + 1) - ti;
                d(a) = d(a) + tr;
                d(a + 1) = d(a + 1) + ti;
            }
            const double wrOld = wr;
            wr = (alpha * wr - beta * wi) + wr;
            wi = (alpha * wi + beta * wrOld) + wi;
        }
        L = S;
    }

    // Step 4: scaling, inverse only.
    if (bInverse) {
        const double dN = N;
        for (std::int32_t i = 0; i < M; ++i) {
            dComplex[i] = dComplex[i] / dN;
        }
    }
}

}  // namespace nrFFT
