#include "startup/frm_Splash.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

frm_Splash::frm_Splash(QWidget *owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frm_Splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(sizeHint());
    const QScreen *screen
        = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

QSize frm_Splash::sizeHint() const
{
    return { 520, 240 };
}

void frm_Splash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();

    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0, QColor(0x1f, 0x2a, 0x3a));
    sky.setColorAt(1, QColor(0x33, 0x44, 0x5c));
    p.fillRect(area, sky);

    // The colour wheel: twelve hue segments around a dark core.
    const QRectF wheel(36, 50, 140, 140);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(QColor::fromHsv(i * 30, 205, 240));
        p.drawPie(wheel, (90 - i * 30) * 16, -30 * 16);
    }
    p.setBrush(QColor(0x26, 0x33, 0x46));
    p.drawEllipse(wheel.center(), 30, 30);

    QFont title = font();
    title.setPixelSize(46);
    title.setWeight(QFont::DemiBold);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(
        QRectF(200, 62, 300, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tintwright"));

    QFont tagline = font();
    tagline.setPixelSize(15);
    p.setFont(tagline);
    p.setPen(QColor(0xc8, 0xd3, 0xe0));
    p.drawText(QRectF(203, 122, 300, 24), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Professional Color Matching Software"));

    // A strip of harmonious swatches under the tag line.
    const QColor strip[]
        = { QColor(0xe8, 0x4a, 0x3c), QColor(0xf5, 0x8a, 0x2e), QColor(0xf5, 0xc4, 0x2e),
              QColor(0x3c, 0xa5, 0x5c), QColor(0x2f, 0x7d, 0xd1), QColor(0x7a, 0x4f, 0xc9) };
    for (int i = 0; i < 6; ++i) {
        p.setBrush(strip[i]);
        p.drawRoundedRect(QRectF(204 + i * 40, 160, 34, 18), 3, 3);
    }

    QFont small = font();
    small.setPixelSize(12);
    p.setFont(small);
    p.setPen(QColor(0x9a, 0xa8, 0xba));
    p.drawText(QRectF(204, 196, 290, 20), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Version 2.5.1"));
    p.drawText(QRectF(204, 196, 290, 20), Qt::AlignRight | Qt::AlignVCenter,
        QStringLiteral("Loading\u2026"));
}
