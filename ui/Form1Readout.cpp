// The readout beside the pointer: what lies under it in the picture it rests
// on, refreshed with every frame while it stays, gone when it leaves.
#include <QLocale>

#include "plot/Readout.h"
#include "ui/Form1.h"
#include "ui/PictureBox.h"
#include "ui/Readout.h"
#include "ui/Twips.h"

namespace quorvane {
namespace {

// The readout snaps to the highest bin within this many screen pixels.
constexpr double kSnapPixels = 3.0;

}  // namespace

const QLabel& Form1::ReadoutWindow() const
{
    return *readout_;
}

void Form1::ConnectReadout(PictureBox& picture)
{
    connect(&picture, &PictureBox::pointerMoved, this, [this, &picture](QPointF twips, QPoint global) {
        hovered_ = &picture;
        hoverTwips_ = twips;
        hoverGlobal_ = global;
        ShowReadout();
    });
    connect(&picture, &PictureBox::pointerLeft, this, [this, &picture] {
        if (hovered_ == &picture) {
            hovered_ = nullptr;
            readout_->hide();
        }
    });
}

std::optional<std::span<const double>> Form1::TraceUnder(const PictureBox& picture) const
{
    if (&picture == picData)
        return state_->dDataSignal;
    if (&picture == picCarrier)
        return state_->dCarrierSignal;
    if (&picture == picModData && CheckValue(CheckId::chkPassband) == kChecked)
        return state_->dModSignal;
    return std::nullopt;
}

void Form1::ShowReadout()
{
    const QLocale locale;
    const auto x = static_cast<float>(hoverTwips_.x());
    QString text;
    if (hovered_ == picSpectrum[0] || hovered_ == picSpectrum[1]) {
        const bool modulated = hovered_ == picSpectrum[1];
        const SpectrumView view{
            modulated ? state_->dModSpectrum : state_->dDataSpectrum,
            modulated ? state_->dModSpectrumMem : state_->dDataSpectrumMem,
            !modulated || CheckValue(CheckId::chkSpectrum) == kChecked,
            (modulated ? state_->bModMemory : state_->bDataMemory) != kFalse,
            CheckValue(CheckId::chkLinear) == kChecked,
            CheckValue(CheckId::chkTwoSides) == kChecked,
            hovered_->ScaleWidth()};
        const auto snap = static_cast<float>(kSnapPixels * kTwipsPerPixel / zoom_);
        text = SpectrumReadoutText(ReadSpectrum(view, x, snap), locale);
    } else if (const auto data = TraceUnder(*hovered_)) {
        const auto reading = ReadTrace(*data, x, hovered_->ScaleWidth(),
                                       ScrollValue(ScrollId::hscDataZoom),
                                       ScrollValue(ScrollId::hscDataScroll));
        if (reading)
            text = TraceReadoutText(*reading, locale);
    }
    if (text.isEmpty())
        readout_->hide();
    else
        readout_->ShowAt(hoverGlobal_, text);
}

}  // namespace quorvane
