#pragma once

#include <string_view>

#include "engine/Detectors.h"
#include "plot/PlotSurface.h"

namespace quorvane {

// The receiver's two bars: the local oscillator's phase in steps of 15
// degrees, and the channel's noise step (0 for none).
enum class ReceiverBar { oscillatorPhase, channelNoise };

// Its read-only boxes: each bar's value, and the recovered message's figure.
enum class ReceiverBox { oscillatorPhase, channelNoise, sinad };

enum class ReceiverPicture { receivedSignal, recoveredMessage };

// The receiver's two drawing surfaces, top to bottom.
struct ReceiverPictures {
    PlotSurface& receivedSignal;
    PlotSurface& recoveredMessage;
};

// The receiver's controls as its controller sees them, read at the moment of
// use; a front end implements it over its own controls and passes their
// events on to the controller. A choice or position set here raises the
// control's own events, as the same change by hand would.
class ReceiverPanel {
public:
    virtual ~ReceiverPanel() = default;
    virtual Detector ChosenDetector() const = 0;
    virtual int BarPosition(ReceiverBar bar) const = 0;
    virtual void ChooseDetector(Detector detector) = 0;
    virtual void SetBarPosition(ReceiverBar bar, int position) = 0;
    // Fills the detector list with its choices in order.
    virtual void FillDetectorList() = 0;
    // UTF-8 with the window's decimal sign. The noise box's text is the
    // clean channel's key, shown translated in the "Receiver" context, or a
    // level that needs no translation.
    virtual void ShowText(ReceiverBox box, std::string_view text) = 0;
};

}  // namespace quorvane
