#pragma once

// Literal transcription of the transform's permutation, passes and scaling, kept for tests and the
// benchmark only. It counts entries by position from 1 exactly as the algorithm's
// steps do (position p is index p - 1) and performs every floating-point
// operation in the algorithm's order, one rounding per operation (the project builds
// with -ffp-contract=off). nrFFT::FFT must give bit-for-bit the same output.
//
// No length test and no bounds checks: the caller passes N, a power of two
// >= 2 with 2N representable in 32 bits, and at least 2N entries.

#include <cmath>
#include <cstdint>
#include <utility>

namespace quorvane_test {

inline void ReferenceFFT(double* dComplex, std::int32_t lPoints, bool bInverse)
{
    const std::int32_t N = lPoints;
    const std::int32_t M = 2 * N;
    auto d = [dComplex](std::int32_t p) -> double& { return dComplex[p - 1]; };
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

    // Step 4: scaling, inverse only; a division, as the transform defines it.
    if (bInverse) {
        for (std::int32_t i = 0; i <= 2 * N - 1; ++i) {
            dComplex[i] = dComplex[i] / N;
        }
    }
}

}  // namespace quorvane_test
