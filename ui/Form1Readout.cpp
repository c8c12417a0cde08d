// The readout beside the pointer: what lies under it in the picture it rests
// on, refreshed with every frame while it stays, gone when it leaves. The
// keyboard cursor of a focused picture gives the same readout at its marker.
#include <QLocale>

#include "plot/Readout.h"
#include "ui/AccessibleControls.h"
#include "ui/ControlHelp.h"
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

void Form1::ConnectCursor(PictureBox& picture)
{
    connect(&picture, &PictureBox::cursorMoved, this, [this, &picture](float twips) {
        cursorPicture_ = &picture;
        cursorTwips_ = twips;
        PlaceCursorMarker();
        ShowCursorReading(true);
    });
    connect(&picture, &PictureBox::cursorHidden, this, &Form1::HideCursor);
}

void Form1::ConnectReadout(PictureBox& picture)
{
    ConnectCursor(picture);
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

QString Form1::ReadingAt(const PictureBox& picture, float x) const
{
    const QLocale locale;
    if (&picture == picSpectrum[0] || &picture == picSpectrum[1]) {
        const bool modulated = &picture == picSpectrum[1];
        const SpectrumView view{
            modulated ? state_->dModSpectrum : state_->dDataSpectrum,
            modulated ? state_->dModSpectrumMem : state_->dDataSpectrumMem,
            !modulated || CheckValue(CheckId::chkSpectrum) == kChecked,
            (modulated ? state_->bModMemory : state_->bDataMemory) != kFalse,
            CheckValue(CheckId::chkLinear) == kChecked,
            CheckValue(CheckId::chkTwoSides) == kChecked,
            picture.ScaleWidth()};
        const auto snap = static_cast<float>(kSnapPixels * kTwipsPerPixel / zoom_);
        return SpectrumReadoutText(ReadSpectrum(view, x, snap), locale);
    }
    if (const auto data = TraceUnder(picture)) {
        const auto reading = ReadTrace(*data, x, picture.ScaleWidth(), ScrollValue(ScrollId::hscDataZoom),
                                       ScrollValue(ScrollId::hscDataScroll));
        if (reading)
            return TraceReadoutText(*reading, locale);
    }
    return {};
}

void Form1::ShowReadout()
{
    const QString text = ReadingAt(*hovered_, static_cast<float>(hoverTwips_.x()));
    if (text.isEmpty())
        readout_->hide();
    else
        readout_->ShowAt(hoverGlobal_, text);
}

// The marker moves only with the cursor or the zoom; the frames leave it be.
void Form1::PlaceCursorMarker()
{
    if (!cursorMarker_) {
        cursorMarker_ = std::make_unique<QWidget>(this);
        cursorMarker_->setObjectName(QStringLiteral("cursorMarker"));
        SetHelp(*cursorMarker_);
        cursorMarker_->setAttribute(Qt::WA_TransparentForMouseEvents);
        cursorMarker_->setAutoFillBackground(true);
        QPalette palette = cursorMarker_->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
        cursorMarker_->setPalette(palette);
    }
    cursorMarker_->setGeometry(cursorPicture_->MarkerRect(cursorTwips_).translated(cursorPicture_->pos()));
    cursorMarker_->raise();
    cursorMarker_->show();
}

// Announced only when the cursor moves: a reading that changed with every
// frame would keep a screen reader talking.
void Form1::ShowCursorReading(bool announce)
{
    const QString text = ReadingAt(*cursorPicture_, cursorTwips_);
    if (announce) {
        const QString spoken = QString(text).replace(QLatin1Char('\n'), QLatin1String(", "));
        DescribeReading(*cursorPicture_, spoken);
        Announce(*cursorPicture_, spoken);
    }
    if (hovered_)
        return;
    const QRect marker = cursorMarker_->geometry();
    if (text.isEmpty())
        readout_->hide();
    else
        readout_->ShowAt(mapToGlobal(QPoint(marker.x(), marker.center().y())), text);
}

void Form1::HideCursor()
{
    if (!cursorPicture_)
        return;
    DescribeReading(*cursorPicture_, {});
    cursorPicture_ = nullptr;
    cursorMarker_->hide();
    if (!hovered_)
        readout_->hide();
}

}  // namespace quorvane
