#include "ui/readout/Readout.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QToolTip>
#include <cmath>

namespace quorvane {
namespace {

constexpr QChar kMinus(0x2212);

// Signed with a true minus, and none on a value that shows as zero.
QString Number(double value, int decimals, const QLocale& locale)
{
    if (std::isinf(value))
        return value < 0 ? QString(kMinus) + QChar(0x221E) : QString(QChar(0x221E));
    const QString digits = locale.toString(std::abs(value), 'f', decimals);
    const bool showsZero = digits == locale.toString(0.0, 'f', decimals);
    return value < 0 && !showsZero ? kMinus + digits : digits;
}

// A bin this far below the highest holds only the rounding left of a zero,
// a level no figure describes.
constexpr double kNoSignalDb = -200.0;

QString Decibels(double level, const QLocale& locale)
{
    if (level < kNoSignalDb)
        return QCoreApplication::translate("Readout", "no signal");
    return Number(level, 1, locale) + QStringLiteral(" dB");
}

}  // namespace

QString TraceReadoutText(const TraceReading& reading, const QLocale& locale)
{
    return Number(reading.seconds, 3, locale) + QStringLiteral(" s\n") +
           Number(reading.value, 2, locale);
}

QString SpectrumReadoutText(const SpectrumReading& reading, const QLocale& locale)
{
    QString text = Number(reading.hertz, 1, locale) + QStringLiteral(" Hz");
    if (reading.liveDb)
        text += QLatin1Char('\n') + Decibels(*reading.liveDb, locale);
    if (reading.memoryDb)
        text += QLatin1Char('\n') + QCoreApplication::translate("Readout", "memory") +
                QLatin1Char(' ') + Decibels(*reading.memoryDb, locale);
    return text;
}

Readout::Readout() : QLabel(nullptr, Qt::ToolTip)
{
    setObjectName(QStringLiteral("readout"));
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setMargin(4);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Readout::ShowAt(QPoint global, const QString& text)
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
