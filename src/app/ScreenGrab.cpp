#include "app/ScreenGrab.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QtMath>

namespace {

// The eyedropper reads pixels straight from 32-bit rows.
QImage asRgb32(const QImage &image, qreal devicePixelRatio)
{
    QImage result = image.format() == QImage::Format_RGB32
        ? image
        : image.convertToFormat(QImage::Format_RGB32);
    result.setDevicePixelRatio(devicePixelRatio);
    return result;
}

QString mismatch(const QImage &desktop, const QRect &bounds)
{
    return QStringLiteral("The screenshot (%1 × %2 pixels) does not match the screens "
                          "(%3 × %4 logical pixels).")
        .arg(desktop.width())
        .arg(desktop.height())
        .arg(bounds.width())
        .arg(bounds.height());
}

} // namespace

namespace ScreenGrab {

PlatformServices::ScreenCapture grabScreens()
{
    PlatformServices::ScreenCapture capture;
    for (QScreen *screen : QGuiApplication::screens()) {
        // With high-DPI scaling the pixmap holds device pixels and says how
        // many there are per logical pixel.
        const QPixmap pixmap = screen->grabWindow(0);
        if (pixmap.isNull()) {
            return { {},
                QStringLiteral("The screen \"%1\" cannot be read on this display.")
                    .arg(screen->name()) };
        }
        capture.screens.append(
            { screen->geometry(), asRgb32(pixmap.toImage(), pixmap.devicePixelRatio()) });
    }
    if (capture.screens.isEmpty())
        capture.error = QStringLiteral("There is no screen to read.");
    return capture;
}

bool isWaylandSession()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
        || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QList<QRect> screenGeometries()
{
    QList<QRect> geometries;
    for (const QScreen *screen : QGuiApplication::screens())
        geometries.append(screen->geometry());
    return geometries;
}

PlatformServices::ScreenCapture splitDesktop(const QImage &desktop, const QList<QRect> &geometries)
{
    QRect bounds;
    for (const QRect &geometry : geometries)
        bounds |= geometry;
    if (desktop.isNull() || bounds.isEmpty())
        return { {}, QStringLiteral("The screenshot holds no picture.") };

    const qreal scale = qreal(desktop.width()) / bounds.width();
    // Compositors round the picture's height; a whole device pixel of
    // difference per logical pixel is still the same shape.
    const bool sameShape = qAbs(desktop.height() - bounds.height() * scale) <= qCeil(scale);
    if (scale < 0.25 || scale > 8 || !sameShape)
        return { {}, mismatch(desktop, bounds) };

    PlatformServices::ScreenCapture capture;
    for (const QRect &geometry : geometries) {
        const QPointF topLeft = QPointF(geometry.topLeft() - bounds.topLeft()) * scale;
        const QRect part = QRect(qRound(topLeft.x()), qRound(topLeft.y()),
            qMax(1, qRound(geometry.width() * scale)), qMax(1, qRound(geometry.height() * scale)))
                               .intersected(desktop.rect());
        if (part.isEmpty())
            return { {}, mismatch(desktop, bounds) };
        capture.screens.append({ geometry, asRgb32(desktop.copy(part), scale) });
    }
    return capture;
}

} // namespace ScreenGrab
