#include "ui/readout/PointerReadout.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QWidget>
#include <algorithm>

#include "app/PicturePeaks.h"
#include "app/ReadoutText.h"
#include "base/Twips.h"
#include "ui/accessibility/AccessibleControls.h"
#include "ui/accessibility/ControlHelp.h"
#include "ui/pictures/PictureBox.h"
#include "ui/readout/ReadoutLabel.h"

namespace quorvane {
namespace {

// A picture's description follows what it shows no oftener than this, so
// that a screen reader is not kept talking.
constexpr qint64 kDescriptionMilliseconds = 1000;

}  // namespace

PointerReadout::PointerReadout(QWidget& window, const Controller& controller)
    : QObject(&window), controller_(controller), readout_(std::make_unique<ReadoutLabel>())
{
}

PointerReadout::~PointerReadout() = default;

const QLabel& PointerReadout::readoutWindow() const
{
    return *readout_;
}

void PointerReadout::follow(PictureBox& picture, AnyPicture which)
{
    shown_.emplace_back(&picture, which);
    connect(&picture, &PictureBox::cursorMoved, this, [this, &picture](float twips) {
        cursorPicture_ = &picture;
        cursorTwips_ = twips;
        placeCursorMarker();
        showCursorReading(true);
    });
    connect(&picture, &PictureBox::cursorHidden, this, &PointerReadout::hideCursor);
    connect(&picture, &PictureBox::peakWanted, this, [this, &picture](bool right) { jumpToPeak(picture, right); });
    connect(&picture, &PictureBox::descriptionWanted, this, [this, &picture] {
        announce(picture, pictureDescriptionText(controller_, pictureOf(picture), snap(), QLocale()));
    });
    connect(&picture, &PictureBox::pointerMoved, this, [this, &picture](QPointF twips, QPoint global) {
        hovered_ = &picture;
        hoverTwips_ = twips;
        hoverGlobal_ = global;
        showReadout();
    });
    connect(&picture, &PictureBox::pointerLeft, this, [this, &picture] {
        if (hovered_ == &picture) {
            hovered_ = nullptr;
            readout_->hide();
        }
    });
}

void PointerReadout::refresh()
{
    if (hovered_)
        showReadout();
    if (cursorPicture_)
        showCursorReading(false);
    keepDescriptionUp();
}

// Only while a screen reader listens: no one else reads the description.
void PointerReadout::keepDescriptionUp()
{
    auto* focused = qobject_cast<PictureBox*>(QApplication::focusWidget());
    if (focused != described_ && described_) {
        describeReading(*described_, {});
        described_ = nullptr;
    }
    if (!focused || focused == cursorPicture_ || !QAccessible::isActive() ||
        (focused == described_ && !describedAt_.hasExpired(kDescriptionMilliseconds)))
        return;
    described_ = focused;
    describedAt_.start();
    describeShown(*focused, pictureDescriptionText(controller_, pictureOf(*focused), snap(), QLocale()));
}

void PointerReadout::jumpToPeak(PictureBox& picture, bool right)
{
    const AnyPicture which = pictureOf(picture);
    const std::vector<Peak> peaks = FindPeaks(ReadAlong(controller_, which, snap()), controller_.LinearSpectra());
    if (const auto place = PeakBeyond(peaks, picture.cursorPlace(), right))
        picture.placeCursor(*place);
    else
        announce(picture, noFurtherPeakText());
}

void PointerReadout::setZoom(double factor)
{
    zoom_ = factor;
    QFont font = QGuiApplication::font();
    font.setPointSizeF(font.pointSizeF() * factor);
    readout_->setFont(font);
    if (cursorPicture_) {
        placeCursorMarker();
        showCursorReading(false);
    }
}

AnyPicture PointerReadout::pictureOf(const PictureBox& picture) const
{
    return std::ranges::find(shown_, &picture, [](const auto& followed) { return followed.first; })->second;
}

float PointerReadout::snap() const
{
    return static_cast<float>(kReadoutSnapPixels * kTwipsPerPixel / zoom_);
}

QString PointerReadout::readingAt(const PictureBox& picture, float x) const
{
    const Reading reading = controller_.ReadingAt(pictureOf(picture), x, snap());
    const QLocale locale;
    if (const auto* trace = std::get_if<TraceReading>(&reading))
        return traceReadoutText(*trace, locale);
    if (const auto* spectrum = std::get_if<SpectrumReading>(&reading))
        return spectrumReadoutText(*spectrum, locale);
    return {};
}

void PointerReadout::showReadout()
{
    const QString text = readingAt(*hovered_, static_cast<float>(hoverTwips_.x()));
    if (text.isEmpty())
        readout_->hide();
    else
        readout_->showAt(hoverGlobal_, text);
}

// The marker moves only with the cursor or the zoom; the frames leave it be.
// It stands in the picture's window, the receiver's or the main one.
void PointerReadout::placeCursorMarker()
{
    if (!cursorMarker_) {
        cursorMarker_ = new QWidget(cursorPicture_->parentWidget());
        cursorMarker_->setObjectName(QStringLiteral("cursorMarker"));
        setHelp(*cursorMarker_);
        cursorMarker_->setAttribute(Qt::WA_TransparentForMouseEvents);
        cursorMarker_->setAutoFillBackground(true);
        QPalette palette = cursorMarker_->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
        cursorMarker_->setPalette(palette);
    }
    if (cursorMarker_->parentWidget() != cursorPicture_->parentWidget())
        cursorMarker_->setParent(cursorPicture_->parentWidget());
    cursorMarker_->setGeometry(cursorPicture_->markerRect(cursorTwips_).translated(cursorPicture_->pos()));
    cursorMarker_->raise();
    cursorMarker_->show();
}

// Announced only when the cursor moves: a reading that changed with every
// frame would keep a screen reader talking.
void PointerReadout::showCursorReading(bool aloud)
{
    const QString text = readingAt(*cursorPicture_, cursorTwips_);
    if (aloud) {
        const QString spoken = QString(text).replace(QLatin1Char('\n'), QLatin1String(", "));
        describeReading(*cursorPicture_, spoken);
        announce(*cursorPicture_, spoken);
    }
    if (hovered_)
        return;
    const QRect marker = cursorMarker_->geometry();
    if (text.isEmpty())
        readout_->hide();
    else
        readout_->showAt(cursorMarker_->parentWidget()->mapToGlobal(QPoint(marker.x(), marker.center().y())), text);
}

void PointerReadout::hideCursor()
{
    if (!cursorPicture_)
        return;
    describeReading(*cursorPicture_, {});
    cursorPicture_ = nullptr;
    if (cursorMarker_)
        cursorMarker_->hide();
    if (!hovered_)
        readout_->hide();
}

}  // namespace quorvane
