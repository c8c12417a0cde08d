#include "engine/Sinad.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorvane {
namespace {

struct Sums {
    double x = 0.0, y = 0.0, xx = 0.0, yy = 0.0, xy = 0.0;
    int n = 0;
};

Sums SumOver(const SampleBuffer& message, const SampleBuffer& recovered, int first, int last,
             int lag)
{
    Sums s;
    for (int k = std::max(first, first - lag); k < std::min(last, last - lag); ++k) {
        const double x = message[2 * k];
        const double y = recovered[2 * (k + lag)];
        s.x += x;
        s.y += y;
        s.xx += x * x;
        s.yy += y * y;
        s.xy += x * y;
        ++s.n;
    }
    return s;
}

MessageFit Fit(const Sums& s, int lag)
{
    MessageFit fit;
    fit.lag = lag;
    if (s.n == 0)
        return fit;
    const double varX = s.xx / s.n - (s.x / s.n) * (s.x / s.n);
    const double varY = s.yy / s.n - (s.y / s.n) * (s.y / s.n);
    const double covariance = s.xy / s.n - (s.x / s.n) * (s.y / s.n);
    fit.scale = varX > 0.0 ? covariance / varX : 0.0;
    fit.offset = s.y / s.n - fit.scale * s.x / s.n;
    fit.signalPower = fit.scale * covariance;
    // What the fit leaves, never below 0 for rounding.
    fit.residualPower = std::max(varY - fit.signalPower, 0.0);
    return fit;
}

bool Better(const MessageFit& a, const MessageFit& b)
{
    return a.signalPower * b.residualPower > b.signalPower * a.residualPower;
}

}  // namespace

MessageFit FitMessage(const SampleBuffer& message, const SampleBuffer& recovered, int first,
                      int last, int mostLag)
{
    MessageFit best = Fit(SumOver(message, recovered, first, last, 0), 0);
    for (int step = 1; step <= mostLag; ++step)
        for (const int lag : {-step, step}) {
            const MessageFit fit = Fit(SumOver(message, recovered, first, last, lag), lag);
            if (Better(fit, best))
                best = fit;
        }
    return best;
}

double SinadDecibels(double signalPower, double residualPower)
{
    if (!std::isfinite(signalPower) || !std::isfinite(residualPower) || !(signalPower > 0.0))
        return kLeastSinad;
    if (!(residualPower > 0.0))
        return kMostSinad;
    return std::clamp(10.0 * std::log10(signalPower / residualPower), kLeastSinad, kMostSinad);
}

// The count is held at its top, as the spectra's is, so the average then
// weighs each new frame by 1/32767 instead of overflowing. A fit that is not
// finite is left out rather than spoiling every frame after it.
void AddToAverage(SinadAverage& average, const MessageFit& fit)
{
    if (!std::isfinite(fit.signalPower) || !std::isfinite(fit.residualPower))
        return;
    if (average.count < std::numeric_limits<std::int16_t>::max())
        ++average.count;
    const double weight = 1.0 / std::max<std::int16_t>(average.count, 1);
    average.signalPower += (fit.signalPower - average.signalPower) * weight;
    average.residualPower += (fit.residualPower - average.residualPower) * weight;
}

double AveragedSinad(const SinadAverage& average)
{
    if (average.count <= 0)
        return kLeastSinad;
    return SinadDecibels(average.signalPower, average.residualPower);
}

}  // namespace quorvane
