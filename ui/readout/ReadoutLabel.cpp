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

std::string DecimalPoint(const QLocale& locale)
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

QString TraceReadoutText(const TraceReading& reading, const QLocale& locale)
{
    return QString::fromStdString(TraceFigures(reading, DecimalPoint(locale)));
}

QString SpectrumReadoutText(const SpectrumReading& reading, const QLocale& locale)
{
    return QString::fromStdString(SpectrumFigures(reading, DecimalPoint(locale), TranslatedReadoutWords().Words()));
}

QString PictureDescriptionText(const Controller& controller, Picture picture, float snap, const QLocale& locale)
{
    const PictureWords words = TranslatedWords(
        [](std::string_view key) { return Translated(kPictureWordsContext, key).toStdString(); });
    return QString::fromStdString(DescribePicture(controller, picture, snap, DecimalPoint(locale), words,
                                                  TranslatedReadoutWords().Words()));
}

QString NoFurtherPeakText()
{
    return Translated(kPictureWordsContext, PictureWords{}.noFurtherPeak);
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

void ReadoutLabel::ShowAt(QPoint global, const QString& text)
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
