#include "engine/BandFilters.h"

#include <cmath>
#include <numbers>

#include "base/Units.h"
#include "engine/nrFFT.h"

namespace quorvane {
namespace {

// A bin's width is the sample rate over the points; a frequency unit is a
// decahertz.
constexpr double kBinsPerUnit = kPoints * kHertzPerDecahertz / kSamplesPerSecond;
constexpr int kBandOrder = 8;
constexpr int kLowPassOrder = 8;

// Past 30 edges out a gain is below 1e-11 at either order: it is taken as 0
// rather than paying a square root and a division for each far bin. A band
// of no width (a message frequency of 0) passes its centre alone.
double Butterworth(double distance, double edge, int order)
{
    if (!(edge > 0.0))
        return distance == 0.0 ? 1.0 : 0.0;
    const double ratio = (distance * distance) / (edge * edge);
    if (ratio > 900.0)
        return 0.0;
    double power = 1.0;
    for (int n = 0; n < order; ++n)
        power *= ratio;
    return 1.0 / std::sqrt(1.0 + power);
}

void Scale(SampleBuffer& work, int bin, double gain)
{
    work[2 * bin] *= gain;
    work[2 * bin + 1] *= gain;
}

}  // namespace

// The intermediate-frequency strip of a superhet, which lets the one
// station's band through to the detector and keeps the rest of the channel's
// noise out. The transform's forward exponent is positive, so a point
// turning forward, exp(+j w n), lands at bin 8192 - k: the analytic signal
// keeps, doubled, only the upper half of the bins.
void KeepBand(SampleBuffer& work, double centre, double halfWidth)
{
    nrFFT::FFT(work, kPoints, false);
    const double centreBin = centre * kBinsPerUnit;
    const double edge = halfWidth * kBinsPerUnit;
    for (int bin = 0; bin <= kPoints / 2; ++bin)
        Scale(work, bin, 0.0);
    for (int bin = kPoints / 2 + 1; bin < kPoints; ++bin)
        Scale(work, bin, 2.0 * Butterworth(kPoints - bin - centreBin, edge, kBandOrder));
    nrFFT::FFT(work, kPoints, true);
}

void KeepBelow(SampleBuffer& work, double cutOff)
{
    nrFFT::FFT(work, kPoints, false);
    const double edge = cutOff * kBinsPerUnit;
    for (int bin = 0; bin < kPoints; ++bin)
        Scale(work, bin, Butterworth(bin <= kPoints / 2 ? bin : kPoints - bin, edge, kLowPassOrder));
    nrFFT::FFT(work, kPoints, true);
}

}  // namespace quorvane
