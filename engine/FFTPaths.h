#pragma once

// Private to nrFFT.cpp and its tests: the transform's code paths, exposed so
// that the tests can check every path bit for bit against the literal
// transcription of the algorithm, whatever the machine running them dispatches to.
//
// Every path takes a valid call only: N = 2^n with 1 <= n <= 29 and at least
// 2N entries at d. nrFFT::FFT does the length test and the checks first.

#include <cstdint>

namespace nrFFT::detail {

// Plain C++; what nrFFT::FFT uses where AVX2 is not available.
void TransformPortable(double* d, std::int32_t lPoints, bool bInverse);

// True when this build has the AVX2 path and the CPU running it supports AVX2.
bool HaveAvx2();

// AVX2 path (requires HaveAvx2()); hands sizes below 32 points to the portable
// path.
void TransformAvx2(double* d, std::int32_t lPoints, bool bInverse);

}  // namespace nrFFT::detail
