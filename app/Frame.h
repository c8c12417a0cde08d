#pragma once

#include <cstdint>
#include <span>

#include "engine/AverageSpectrum.h"
#include "engine/FrameInputs.h"
#include "engine/FrameMemo.h"
#include "engine/NoiseSource.h"
#include "engine/SignalState.h"
#include "plot/PlotSurface.h"
#include "plot/SpectrumPlot.h"
#include "plot/TracePalette.h"

namespace quorvane {

// The window's five drawing surfaces, top to bottom.
struct FramePictures {
    PlotSurface& message;
    PlotSurface& messageSpectrum;
    PlotSurface& carrier;
    PlotSurface& modulated;
    PlotSurface& modulatedSpectrum;
};

// One frame: generate, draw, transform and draw the spectrum of the message;
// build and draw the carrier; modulate, draw, transform and draw the
// modulated spectrum. Does nothing while paused. With a memo the frame reuses
// what the last one worked out where its inputs are the same; with none it
// computes everything afresh, to the same bits. The held copies take the
// palette's colour.
void RunFrame(SignalState& state, const FrameInputs& controls, const FramePictures& pictures,
              NoiseSource& noise, FrameMemo* memo, const TracePalette& palette = kUsualPalette);

// Draws both spectra again from the averages and held copies as they stand,
// in `linear` mode (that of the averages) and as the other switches say now,
// taking no new transform: how a paused window shows a change of palette.
void RedrawSpectra(const SignalState& state, const DisplaySettings& controls, const FramePictures& pictures,
                   const TracePalette& palette, bool linear);

// One spectrum's part of a frame: clears `picture`, folds `transform` into
// the running average and its held copy, and draws them, the live average
// with `drawLive`.
void AverageAndPlotSpectrum(std::span<const double> transform, const RunningSpectrum& spectrum,
                            PlotSurface& picture, SpectrumColours colours, bool drawLive,
                            const DisplaySettings& controls, LogMemo* logs);

}  // namespace quorvane
