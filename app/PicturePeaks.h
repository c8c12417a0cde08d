#pragma once

#include <optional>
#include <span>
#include <vector>

#include "app/Controller.h"

namespace quorvane {

// What the keyboard cursor reads at a place along a picture, in twips.
struct PlaceReading {
    float x;
    Reading reading;
};

// The readings at every place the cursor can stand, one a pixel, snapping to
// the highest bin within `snap` twips as the readout does.
std::vector<PlaceReading> ReadAlong(const Controller& controller, AnyPicture picture, float snap);

// How high a reading stands: a trace's value, or a spectrum's level in dB,
// the live one, or the held copy's where only that is drawn; none where
// nothing is drawn or has a level.
std::optional<double> HeightOf(const Reading& reading);

struct Peak {
    PlaceReading place;
    double height;
};

// The peaks among the readings, left to right, each where the cursor stands
// on it: on a spectrum a line standing 3 dB clear of what lies between it and
// anything as high on either side, within 40 dB of the highest (1 % of it on
// a linear scale); on a trace a crest standing a tenth of the trace's size
// clear. A run of places reading alike is one place, its middle.
std::vector<Peak> FindPeaks(std::span<const PlaceReading> places, bool linear);

// Where the next peak to the right (or left) of the cursor is: from a cursor
// that is away, the first (or last). None where no peak lies beyond.
std::optional<float> PeakBeyond(std::span<const Peak> peaks, std::optional<float> cursor, bool right);

}  // namespace quorvane
