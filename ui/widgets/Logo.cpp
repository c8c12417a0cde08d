#include "ui/widgets/Logo.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "plot/TraceColours.h"
#include "ui/window/Colour.h"

namespace quorvane {
namespace {

constexpr double kWaveLeft = 6.0;
constexpr double kWaveWidth = 72.0;
constexpr double kWaveMiddle = kLogoHeight / 2.0;
constexpr double kWaveHeight = 17.0;
constexpr double kCarrierPeriod = 8.0;

double envelope(double x)
{
    return kWaveHeight * (0.6 + 0.4 * std::sin(2.0 * std::numbers::pi * x / kWaveWidth));
}

QPainterPath envelopePath(double sign)
{
    QPainterPath path;
    for (double x = 0.0; x <= kWaveWidth; x += 1.0) {
        const QPointF point(kWaveLeft + x, kWaveMiddle - sign * envelope(x));
        if (x == 0.0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

QPainterPath modulatedPath()
{
    QPainterPath path;
    for (double x = 0.0; x <= kWaveWidth; x += 0.25) {
        const double y = envelope(x) * std::sin(2.0 * std::numbers::pi * x / kCarrierPeriod);
        const QPointF point(kWaveLeft + x, kWaveMiddle - y);
        if (x == 0.0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

void drawWordmark(QPainter& painter)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(34);
    font.setWeight(QFont::DemiBold);
    painter.setFont(font);
    painter.setPen(fromBgr(kCarrierColour));
    const QRectF room(kWaveLeft + kWaveWidth + 12.0, 0.0, kLogoWidth, kLogoHeight);
    painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quorvane"));
}

}  // namespace

QPixmap drawLogo(qreal devicePixelRatio)
{
    QPixmap logo(QSize(kLogoWidth, kLogoHeight) * devicePixelRatio);
    logo.setDevicePixelRatio(devicePixelRatio);
    logo.fill(Qt::transparent);

    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(fromBgr(kModulatedColour), 1.4));
    painter.drawPath(modulatedPath());
    painter.setPen(QPen(fromBgr(kMessageColour), 2.0));
    painter.drawPath(envelopePath(1.0));
    painter.drawPath(envelopePath(-1.0));
    drawWordmark(painter);
    return logo;
}

}  // namespace quorvane
