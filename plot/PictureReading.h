#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace quorvane {

// What lies under the pointer in a picture, worked out with the plots' own
// placement, for the readout beside the pointer. Positions are in the
// picture's twips.

// At kSamplesPerSecond (base/Units.h): one sample lasts 1 / (320 pi) s, one
// bin is 320 pi / 8192 Hz wide.
double SampleSeconds(std::int32_t sample);
double BinHertz(int bin);

struct TraceReading {
    std::int32_t sample;
    double seconds;
    double value;
};

// The sample the trace plot draws nearest to x, or none where no sample of
// samples is drawn there.
std::optional<TraceReading> ReadTrace(std::span<const double> samples, float x, float width,
                                      std::int16_t zoom, std::int16_t scroll);

// A spectrum picture as last drawn: the live average and the held copy, which
// of them are drawn, and how.
struct SpectrumView {
    std::span<const double> average;
    std::span<const double> held;
    bool liveDrawn;
    bool heldDrawn;
    bool linear;
    bool twoSided;
    float width;
};

struct SpectrumReading {
    int bin;                         // 0 .. 8191
    double hertz;                    // negative for the left half of a two-sided plot
    std::optional<double> liveDb;    // relative to the highest bin of the live average
    std::optional<double> memoryDb;  // the held copy at the same bin, on the same reference
};

// Reads the bin drawn highest, by either trace, within snap twips of x, so
// that a narrow line, live or held, is easy to hit; levels only of the traces
// that are drawn.
SpectrumReading ReadSpectrum(const SpectrumView& view, float x, float snap);

// The same with the live average's highest bin, which levels are relative to,
// found once (HighestLive) for the readings across a whole picture.
double HighestLive(const SpectrumView& view);
SpectrumReading ReadSpectrum(const SpectrumView& view, float x, float snap, double highest);

// A spectrum value in dB relative to the highest, in the plot's mode: linear
// values are powers, logarithmic ones natural logarithms of power. None where
// the reference gives no level (a silent linear average).
std::optional<double> LevelDb(double value, double highest, bool linear);

}  // namespace quorvane
