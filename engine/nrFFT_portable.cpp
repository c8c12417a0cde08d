// The transform's portable path: plain C++, the textbook loop nest with its
// twiddles produced a few at a time and every butterfly of a block done
// against them.

#include <bit>

#include "engine/nrFFT_private.h"

namespace nrFFT::detail {

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

}  // namespace nrFFT::detail
