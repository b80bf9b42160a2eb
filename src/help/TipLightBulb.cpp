#include "help/TipLightBulb.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

// The drawing is laid out on a 40 x 56 grid (logical pixels at scale 1).
constexpr qreal kDesignWidth = 40.0;
constexpr qreal kDesignHeight = 56.0;

QPainterPath glassPath()
{
    QPainterPath globe;
    globe.addEllipse(QPointF(20.0, 20.0), 13.0, 13.0);
    QPainterPath neck;
    neck.moveTo(11.5, 29.0);
    neck.cubicTo(14.0, 32.0, 14.5, 34.0, 14.5, 38.0);
    neck.lineTo(25.5, 38.0);
    neck.cubicTo(25.5, 34.0, 26.0, 32.0, 28.5, 29.0);
    neck.closeSubpath();
    return globe.united(neck);
}

void drawRays(QPainter &p)
{
    QPen pen(QColor(245, 180, 20, 170), 1.8, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    // Five short rays fanned over the top of the globe, 40 degrees apart.
    for (int i = -2; i <= 2; ++i) {
        const qreal angle = (90.0 + i * 40.0) * std::numbers::pi / 180.0;
        const QPointF direction(std::cos(angle), -std::sin(angle));
        const QPointF centre(20.0, 20.0);
        p.drawLine(centre + direction * 16.5, centre + direction * 19.5);
    }
}

void drawGlass(QPainter &p)
{
    QRadialGradient glow(QPointF(16.0, 15.0), 18.0);
    glow.setColorAt(0.0, QColor(255, 253, 228));
    glow.setColorAt(0.55, QColor(255, 226, 92));
    glow.setColorAt(1.0, QColor(240, 176, 20));
    p.setPen(QPen(QColor(176, 120, 10), 1.1));
    p.setBrush(glow);
    p.drawPath(glassPath());

    // Filament.
    QPainterPath filament;
    filament.moveTo(16.5, 37.0);
    filament.lineTo(17.0, 27.0);
    filament.cubicTo(17.5, 23.0, 19.0, 23.0, 20.0, 26.0);
    filament.cubicTo(21.0, 23.0, 22.5, 23.0, 23.0, 27.0);
    filament.lineTo(23.5, 37.0);
    p.setPen(QPen(QColor(200, 110, 20), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(filament);

    // Highlight on the glass.
    p.setPen(QPen(QColor(255, 255, 255, 200), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(11.0, 11.0, 18.0, 18.0), 100 * 16, 60 * 16);
}

void drawBase(QPainter &p)
{
    QLinearGradient metal(QPointF(14.0, 0.0), QPointF(26.0, 0.0));
    metal.setColorAt(0.0, QColor(120, 126, 136));
    metal.setColorAt(0.45, QColor(218, 222, 228));
    metal.setColorAt(1.0, QColor(104, 110, 120));
    p.setPen(QPen(QColor(84, 90, 100), 0.8));
    p.setBrush(metal);
    for (int band = 0; band < 3; ++band)
        p.drawRoundedRect(QRectF(14.0, 38.5 + band * 3.6, 12.0, 3.6), 1.4, 1.4);
    p.setBrush(QColor(84, 90, 100));
    p.drawRoundedRect(QRectF(17.0, 49.3, 6.0, 2.6), 1.2, 1.2);
}

} // namespace

TipLightBulb::TipLightBulb(QWidget *parent) : QWidget(parent)
{
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_TranslucentBackground);
}

QSize TipLightBulb::sizeHint() const
{
    return QSize(static_cast<int>(kDesignWidth), static_cast<int>(kDesignHeight));
}

void TipLightBulb::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width() / kDesignWidth, height() / kDesignHeight);
    drawRays(p);
    drawGlass(p);
    drawBase(p);
}
