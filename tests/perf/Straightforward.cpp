// The frame cycle as first written, before any of the work on its speed:
// every sine and logarithm computed afresh on every frame, each sample's
// position worked out for both segments it ends, one pass per bin. Kept here,
// unchanged, as the reference that the program's frame cycle must match bit
// for bit.
#include "perf/Straightforward.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

#include "engine/nrFFT.h"

namespace quorvane::straightforward {

namespace trace {
namespace {

// Rounding as nearbyint does it, held at the 16-bit ends, NaN to 0.
std::int16_t NearestInt16(double value)
{
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value))
        return 0;
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(value), lowest, highest));
}

constexpr float kSamplesAcrossAtZoom1 = 512.0f;
constexpr int kSecondLineOffset = 15;

// Worked out in single precision, as the width is, and only then widened. A
// zoom below 1 has no step.
double TraceStep(float width, std::int16_t zoom)
{
    if (zoom < 1)
        return 0;
    const float perZoom = width / static_cast<float>(zoom);
    return static_cast<double>(std::floor(perZoom / kSamplesAcrossAtZoom1));
}

// The product of two 16-bit values always fits in 32 bits; holding it at the
// 16-bit ends keeps an absurd scroll from wrapping back into the buffer.
std::int16_t StartSample(std::int16_t scroll, std::int16_t zoom)
{
    const std::int32_t product = static_cast<std::int32_t>(scroll) * zoom;
    constexpr std::int32_t lowest = std::numeric_limits<std::int16_t>::min();
    constexpr std::int32_t highest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(product, lowest, highest));
}

bool HoldsSample(std::span<const double> dData, std::int32_t sample)
{
    return sample >= 0 && 2 * static_cast<std::size_t>(sample) < dData.size();
}

// A sample that is not a number has no position; it is drawn on the centre line.
std::int16_t VerticalPosition(std::int16_t amplitude, double value, std::int16_t centre)
{
    if (std::isnan(value))
        return centre;
    return NearestInt16(amplitude * value + centre);
}

}  // namespace

void plotComponent(PlotSurface& picPic, std::span<const double> dData, std::int16_t iOffset,
                   std::int32_t Colour, const FormControls& controls)
{
    const std::int16_t zoom = controls.ScrollValue(ScrollId::hscDataZoom);
    const double step = TraceStep(picPic.ScaleWidth(), zoom);
    const std::int16_t amplitude = NearestInt16(picPic.ScaleHeight() * 0.9 / 2);
    const std::int16_t centre = NearestInt16(std::floor(picPic.ScaleHeight() / 2.0f));
    const std::int16_t start = StartSample(controls.ScrollValue(ScrollId::hscDataScroll), zoom);

    picPic.Cls();
    picPic.SetForeColor(Colour);
    if (!(step >= 1.0))
        return;

    const std::int16_t points = NearestInt16(picPic.ScaleWidth() / step);
    // Segments reaching outside the buffer are skipped, not clipped to it, so the
    // rest of the trace keeps its place.
    for (std::int32_t i = 0; i < points; ++i) {
        const std::int32_t a = i + start + iOffset;
        const std::int32_t b = a + 1;
        if (!HoldsSample(dData, a) || !HoldsSample(dData, b))
            continue;
        const int ya = VerticalPosition(amplitude, dData[2 * static_cast<std::size_t>(a)], centre);
        const int yb = VerticalPosition(amplitude, dData[2 * static_cast<std::size_t>(b)], centre);
        const auto x1 = static_cast<float>(i * step);
        const auto x2 = static_cast<float>((i + 1) * step);
        picPic.Line(x1, static_cast<float>(ya), x2, static_cast<float>(yb));
        picPic.Line(x1, static_cast<float>(ya + kSecondLineOffset), x2,
                    static_cast<float>(yb + kSecondLineOffset));
    }
}

}  // namespace trace

namespace spectrum {
namespace {

constexpr std::size_t kBins = kPoints;
constexpr int kShownBins = kPoints / 4;
constexpr int kTwoSidedShift = kShownBins / 2;
constexpr double kSilentFirst = -10000.0;
constexpr double kSilentLater = -1000.0;
constexpr double kSecondLineOffset = 15.0;

struct Scale {
    double top;
    double bottom;
    double range;
};

// Held at the 16-bit top instead of overflowing: after about 55 minutes
// without a restart the newest spectrum keeps entering with weight 1/32767.
// A count below 0 is a restart like 0.
std::int16_t NextCount(std::int16_t iSpectrums)
{
    return static_cast<std::int16_t>(
        std::clamp<std::int32_t>(iSpectrums + 1, 1, std::numeric_limits<std::int16_t>::max()));
}

// NaN power is not above 0, so in log mode it takes the silent value too.
double Averaged(double stored, double power, std::int16_t n, bool linear)
{
    double value = power;
    if (!linear)
        value = power > 0 ? std::log(power) : (n == 1 ? kSilentFirst : kSilentLater);
    if (n == 1)
        return value;
    return ((n - 1) * stored + value) / n;
}

Scale AverageIn(std::span<const double> dFreqData, std::span<double> dFreqSpectrum,
                std::int16_t n, bool linear)
{
    double top = -1e12;
    double bottom = 1e12;
    for (std::size_t k = 0; k < kBins; ++k) {
        const double re = dFreqData[2 * k];
        const double im = dFreqData[2 * k + 1];
        dFreqSpectrum[k] = Averaged(dFreqSpectrum[k], im * im + re * re, n, linear);
        bottom = std::min(bottom, dFreqSpectrum[k]);
        top = std::max(top, dFreqSpectrum[k]);
    }
    if (linear) {
        top /= 0.9;
    } else {
        top /= 0.95;
        bottom = top - 40 / (2 * std::log(10.0));
    }
    return {top, bottom, top - bottom};
}

void UpdateHeldCopy(std::span<const double> dFreqSpectrum, std::span<double> dFreqMem,
                    Bool16& bMemory, int memoryCheck)
{
    if (memoryCheck == kUnchecked)
        bMemory = kFalse;
    if (bMemory == kFalse && memoryCheck == kChecked) {
        bMemory = kTrue;
        std::copy_n(dFreqSpectrum.begin(), kUsedEntries, dFreqMem.begin());
    }
}

// A range of 0 (a silent linear average) or one that is not finite gives no
// usable position; the trace then lies on the bottom edge.
double PointHeight(const Scale& scale, double value, float height)
{
    if (!std::isfinite(scale.range) || scale.range == 0)
        return height;
    return (scale.top - value) / scale.range * height;
}

// A NaN position would reach the surface unclamped; it goes to the bottom edge.
double ClampToSurface(double y, float height)
{
    if (std::isnan(y))
        return height;
    if (y < 0)
        y = 0;
    if (static_cast<float>(y) > height)
        y = height;
    return y;
}

void DrawTrace(PlotSurface& picPic, std::span<const double> values, const Scale& scale,
               bool heldCopy, bool twoSided)
{
    const float width = picPic.ScaleWidth();
    const float height = picPic.ScaleHeight();
    float previousX = 0;
    double previousY = height;
    for (int i = 0; i < kShownBins; ++i) {
        int j = twoSided ? i - kTwoSidedShift : i;
        if (j < 0)
            j += kPoints;
        const float x = static_cast<float>(i) * width / 8192 * 4;
        const double value = values[static_cast<std::size_t>(j)];
        double y = heldCopy && !(value > 0) ? height : PointHeight(scale, value, height);
        y = ClampToSurface(y, height);
        picPic.Line(previousX, static_cast<float>(previousY), x, static_cast<float>(y));
        picPic.Line(previousX, static_cast<float>(previousY + kSecondLineOffset), x,
                    static_cast<float>(y + kSecondLineOffset));
        previousX = x;
        previousY = y;
    }
}

}  // namespace

void PlotSpectrum(std::span<const double> dFreqData, std::span<double> dFreqSpectrum,
                  std::span<double> dFreqMem, std::int16_t& iSpectrums, Bool16& bMemory,
                  PlotSurface& picPic, std::int32_t lColour, bool bNewToo,
                  const FormControls& controls)
{
    const bool linear = controls.CheckValue(CheckId::chkLinear) == kChecked;
    picPic.Cls();
    if (dFreqData.size() < kUsedEntries || dFreqSpectrum.size() < kUsedEntries ||
        dFreqMem.size() < kUsedEntries)
        return;

    iSpectrums = NextCount(iSpectrums);
    const Scale scale = AverageIn(dFreqData, dFreqSpectrum, iSpectrums, linear);
    UpdateHeldCopy(dFreqSpectrum, dFreqMem, bMemory, controls.CheckValue(CheckId::chkMemory));

    const bool twoSided = controls.CheckValue(CheckId::chkTwoSides) == kChecked;
    if (bMemory != kFalse) {
        picPic.SetForeColor(kMemoryColour);
        DrawTrace(picPic, dFreqMem, scale, true, twoSided);
    }
    if (bNewToo) {
        picPic.SetForeColor(lColour);
        DrawTrace(picPic, dFreqSpectrum, scale, false, twoSided);
    }
}

}  // namespace spectrum

namespace generator {
namespace {

constexpr std::int16_t kLastEven = 16382;

double Tone(std::int16_t i, double frequency)
{
    return std::sin(static_cast<double>(i) * frequency / 32.0);
}

double Sign(double value)
{
    return value > 0.0 ? 1.0 : (value < 0.0 ? -1.0 : 0.0);
}

void SineWave(SampleBuffer& d, double dDataFreq)
{
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        d[i] = Tone(i, dDataFreq);
}

void SquareWave(SampleBuffer& d, double dDataFreq)
{
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        d[i] = Sign(Tone(i, dDataFreq));
}

void WhiteNoise(SampleBuffer& d, NoiseSource& rnd)
{
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        d[i] = 2.0 * rnd.Next() - 1.0;
}

// Band-limits fresh white noise to the bins below the message frequency. The
// odd entries go in as they stand and come out as the inverse transform's
// imaginary parts, unscaled, for the next frame to start from.
void FilteredNoise(SampleBuffer& d, double dDataFreq, NoiseSource& rnd)
{
    WhiteNoise(d, rnd);
    nrFFT::FFT(d, kPoints, false);
    const auto cutOff = static_cast<std::int16_t>(2.0 * std::floor(dDataFreq * 8192.0 / 32.0 / 3.1415926));
    for (std::int16_t i = cutOff; i < kUsedEntries; ++i)
        d[i] = 0.0;
    nrFFT::FFT(d, kPoints, true);
    const double gain = std::sqrt(100.5309632 / dDataFreq);
    for (std::int16_t i = 0; i <= kLastEven; i += 2)
        d[i] = gain * d[i];
}

}  // namespace

void tmrGenerateSignal(SignalState& state, const FormControls& controls, NoiseSource& rnd)
{
    const std::string_view type = controls.ListText(ListId::cmbData);
    if (type == "Sine Wave")
        SineWave(state.dDataSignal, state.dDataFreq);
    else if (type == "White Noise")
        WhiteNoise(state.dDataSignal, rnd);
    else if (type == "Filtered Noise")
        FilteredNoise(state.dDataSignal, state.dDataFreq, rnd);
    else if (type == "Square Wave")
        SquareWave(state.dDataSignal, state.dDataFreq);
}

}  // namespace generator

namespace modulator {
namespace {

constexpr std::int16_t kLastEven = 16382;

double CarrierPhase(std::int16_t i, double f)
{
    return static_cast<double>(i) * f / 32.0;
}

}  // namespace

void tmrModulation(SignalState& state, const FormControls& controls)
{
    const std::string_view scheme = controls.ListText(ListId::cmbMod);
    const SampleBuffer& x = state.dDataSignal;
    const SampleBuffer& c = state.dCarrierSignal;
    SampleBuffer& out = state.dModSignal;
    const double m = state.dDepth;
    const double f = state.dCarrierFreq;

    if (scheme == "DSB-SC") {
        for (std::int16_t i = 0; i <= kLastEven; i += 2)
            out[i] = ((m * -1.0) * x[i]) * c[i];
    } else if (scheme == "AM") {
        for (std::int16_t i = 0; i <= kLastEven; i += 2)
            out[i] = ((1.0 - x[i] * m) * 0.5) * c[i];
    } else if (scheme == "FM") {
        double sum = 0.0;
        for (std::int16_t i = 0; i <= kLastEven; i += 2) {
            sum = sum + x[i];
            out[i] = std::sin(CarrierPhase(i, f) - (sum * m) / 16.0);
        }
    } else if (scheme == "PM") {
        for (std::int16_t i = 0; i <= kLastEven; i += 2)
            out[i] = std::sin(CarrierPhase(i, f) - x[i] * m);
    }
}

}  // namespace modulator

namespace frame {
namespace {

void SynthesiseCarrier(SignalState& state)
{
    for (std::int16_t i = 0; i <= 16382; i += 2)
        state.dCarrierSignal[i] = std::sin(static_cast<double>(i) * state.dCarrierFreq / 32.0);
}

void CopyEntries(const SampleBuffer& from, SampleBuffer& to)
{
    std::copy_n(from.begin(), kUsedEntries, to.begin());
}

}  // namespace

void Timer1_Timer(SignalState& state, const FormControls& controls, const FormPictures& pictures,
                  NoiseSource& rnd)
{
    if (controls.PauseCaption() != "Pause")
        return;

    generator::tmrGenerateSignal(state, controls, rnd);
    trace::plotComponent(pictures.picData, state.dDataSignal, 0, kMessageColour, controls);
    CopyEntries(state.dDataSignal, state.dDataFFT);
    nrFFT::FFT(state.dDataFFT, kPoints, false);
    spectrum::PlotSpectrum(state.dDataFFT, state.dDataSpectrum, state.dDataSpectrumMem, state.iDataSpectrums,
                 state.bDataMemory, *pictures.picSpectrum[0], kMessageColour, true, controls);

    SynthesiseCarrier(state);
    trace::plotComponent(pictures.picCarrier, state.dCarrierSignal, 0, kCarrierColour, controls);

    modulator::tmrModulation(state, controls);
    if (controls.CheckValue(CheckId::chkPassband) == kChecked)
        trace::plotComponent(pictures.picModData, state.dModSignal, 0, kModulatedColour, controls);
    else
        pictures.picModData.Cls();
    CopyEntries(state.dModSignal, state.dModFFT);
    nrFFT::FFT(state.dModFFT, kPoints, false);
    const bool bNewToo = controls.CheckValue(CheckId::chkSpectrum) == kChecked;
    spectrum::PlotSpectrum(state.dModFFT, state.dModSpectrum, state.dModSpectrumMem, state.iModSpectrums,
                 state.bModMemory, *pictures.picSpectrum[1], kModulatedColour, bNewToo, controls);
}

}  // namespace frame


void plotComponent(PlotSurface& picPic, std::span<const double> dData, std::int16_t iOffset,
                   std::int32_t Colour, const FormControls& controls)
{
    trace::plotComponent(picPic, dData, iOffset, Colour, controls);
}

void PlotSpectrum(std::span<const double> dFreqData, std::span<double> dFreqSpectrum,
                  std::span<double> dFreqMem, std::int16_t& iSpectrums, Bool16& bMemory,
                  PlotSurface& picPic, std::int32_t lColour, bool bNewToo,
                  const FormControls& controls)
{
    spectrum::PlotSpectrum(dFreqData, dFreqSpectrum, dFreqMem, iSpectrums, bMemory, picPic, lColour,
                           bNewToo, controls);
}

void tmrGenerateSignal(SignalState& state, const FormControls& controls, NoiseSource& rnd)
{
    generator::tmrGenerateSignal(state, controls, rnd);
}

void tmrModulation(SignalState& state, const FormControls& controls)
{
    modulator::tmrModulation(state, controls);
}

void Timer1_Timer(SignalState& state, const FormControls& controls, const FormPictures& pictures,
                  NoiseSource& rnd)
{
    frame::Timer1_Timer(state, controls, pictures, rnd);
}

}  // namespace quorvane::straightforward
