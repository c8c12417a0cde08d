#include "ui/readout/ReadoutLabel.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QToolTip>
#include <string>

#include "app/PictureDescription.h"
#include "app/ReadoutText.h"
#include "ui/language/ShownText.h"

namespace quorvane {
namespace {

std::string decimalPoint(const QLocale& locale)
{
    return locale.decimalPoint().toStdString();
}

// The readout's words outlive the figures written with them.
struct TranslatedReadoutWords {
    std::string noSignal = QCoreApplication::translate("Readout", "no signal").toStdString();
    std::string memory = QCoreApplication::translate("Readout", "memory").toStdString();
    ReadoutWords Words() const { return {noSignal, memory}; }
};

}  // namespace

QString traceReadoutText(const TraceReading& reading, const QLocale& locale)
{
    return QString::fromStdString(TraceFigures(reading, decimalPoint(locale)));
}

QString spectrumReadoutText(const SpectrumReading& reading, const QLocale& locale)
{
    return QString::fromStdString(SpectrumFigures(reading, decimalPoint(locale), TranslatedReadoutWords().Words()));
}

QString pictureDescriptionText(const Controller& controller, AnyPicture picture, float snap, const QLocale& locale)
{
    const PictureWords words = TranslatedWords(
        [](std::string_view key) { return translated(kPictureWordsContext, key).toStdString(); });
    return QString::fromStdString(DescribePicture(controller, picture, snap, decimalPoint(locale), words,
                                                  TranslatedReadoutWords().Words()));
}

QString noFurtherPeakText()
{
    return translated(kPictureWordsContext, PictureWords{}.noFurtherPeak);
}

ReadoutLabel::ReadoutLabel() : QLabel(nullptr, Qt::ToolTip)
{
    setObjectName(QStringLiteral("readout"));
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setMargin(4);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ReadoutLabel::showAt(QPoint global, const QString& text)
{
    if (text != this->text()) {
        setText(text);
        adjustSize();
    }
    QPoint place = global + QPoint(16, 20);
    if (const QScreen* screen = QGuiApplication::screenAt(global)) {
        const QRect room = screen->availableGeometry();
        if (place.x() + width() > room.right())
            place.setX(global.x() - 16 - width());
        if (place.y() + height() > room.bottom())
            place.setY(global.y() - 8 - height());
    }
    move(place);
    if (!isVisible())
        show();
}

}  // namespace quorvane
