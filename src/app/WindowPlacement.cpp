#include "app/WindowPlacement.h"

#include "app/TextNumbers.h"

#include "app/Settings.h"
#include "app/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

QString placementSection()
{
    return QString::fromLatin1(SettingsKeys::WindowPlacementsSection);
}

QString placementKey(const QString &name, const char *suffix)
{
    return name + QLatin1String(suffix);
}

// One twips entry in pixels, unrounded and unbounded (fitRestoredRect bounds
// it); a missing or unreadable entry gives fallbackPixels.
double readPixels(const QString &section, const QString &key, double fallbackPixels, double dpi)
{
    const std::optional<double> twips = TextNumbers::toDouble(GetSetting(section, key));
    return twips ? *twips * dpi / TwipsPerInch : fallbackPixels;
}

double readPixels(const SettingKey &key, double dpi)
{
    const double fallback = QString::fromLatin1(key.defaultValue).toDouble() * dpi / TwipsPerInch;
    return readPixels(
        QString::fromLatin1(key.section), QString::fromLatin1(key.key), fallback, dpi);
}

void savePixels(const QString &section, const QString &key, int pixels, double dpi)
{
    SaveSettingFloat(section, key, static_cast<float>(pixelsToTwips(pixels, dpi)));
}

void savePixels(const SettingKey &key, int pixels, double dpi)
{
    savePixels(QString::fromLatin1(key.section), QString::fromLatin1(key.key), pixels, dpi);
}

// The distance from a point to a rectangle, 0 inside it.
double distance(const QPointF &point, const QRect &area)
{
    const double dx = std::max({ area.left() - point.x(), 0.0, point.x() - area.right() });
    const double dy = std::max({ area.top() - point.y(), 0.0, point.y() - area.bottom() });
    return std::hypot(dx, dy);
}

// Rounded half to even within [low, high], both ints, so the result is one too.
int boundedPixels(double value, double low, double high)
{
    return static_cast<int>(std::nearbyint(std::clamp(std::isnan(value) ? low : value, low, high)));
}

// The least size a window can take: a restored size never goes below it.
QSize minimumOf(const QWidget *window)
{
    return window ? window->minimumSizeHint().expandedTo(window->minimumSize()) : QSize();
}

} // namespace

QRect fitRestoredRect(const QRectF &wanted, const QList<QRect> &areas, const QSize &minimum)
{
    const QPointF corner(
        std::isfinite(wanted.x()) ? wanted.x() : 0.0, std::isfinite(wanted.y()) ? wanted.y() : 0.0);
    QRect area = areas.isEmpty() ? QRect(0, 0, 1024, 768) : areas.constFirst();
    for (const QRect &candidate : areas) {
        if (distance(corner, candidate) < distance(corner, area))
            area = candidate;
    }
    // At least one pixel, and the minimum where the area has room for it.
    const QSize least = minimum.expandedTo(QSize(1, 1)).boundedTo(area.size());
    const int width = boundedPixels(wanted.width(), least.width(), area.width());
    const int height = boundedPixels(wanted.height(), least.height(), area.height());
    const int left
        = boundedPixels(corner.x(), area.left(), double(area.left()) + area.width() - width);
    const int top
        = boundedPixels(corner.y(), area.top(), double(area.top()) + area.height() - height);
    return QRect(left, top, width, height);
}

QList<QRect> restoreAreas(const QWidget *window)
{
    const QWidget *parent = window && !window->isWindow() ? window->parentWidget() : nullptr;
    if (parent && parent->isVisible())
        return { parent->rect() };
    // A child of a parent not laid out yet may take a screen's size.
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append(
            parent ? QRect(QPoint(), screen->availableSize()) : screen->availableGeometry());
    return areas;
}

void SaveWindowPlacement(QWidget *window, const QString &name)
{
    const QString section = placementSection();
    const double dpi = logicalDpi(window);
    SaveSetting(section, QLatin1String(SettingsKeys::PlacementNamePrefix) + name, name);
    savePixels(section, placementKey(name, SettingsKeys::PlacementLeftSuffix), window->x(), dpi);
    savePixels(section, placementKey(name, SettingsKeys::PlacementTopSuffix), window->y(), dpi);
    savePixels(
        section, placementKey(name, SettingsKeys::PlacementWidthSuffix), window->width(), dpi);
    savePixels(
        section, placementKey(name, SettingsKeys::PlacementHeightSuffix), window->height(), dpi);
}

bool RestoreWindowPlacement(QWidget *window, const QString &name, bool resizable)
{
    const QString section = placementSection();
    const QString storedName
        = GetSetting(section, QLatin1String(SettingsKeys::PlacementNamePrefix) + name,
            QString::fromLatin1(SettingsKeys::PlacementNoName));
    if (storedName != name)
        return false;

    const double dpi = logicalDpi(window);
    const auto read = [&](const char *suffix, int current) {
        return readPixels(section, placementKey(name, suffix), current, dpi);
    };
    QRectF wanted(read(SettingsKeys::PlacementLeftSuffix, window->x()),
        read(SettingsKeys::PlacementTopSuffix, window->y()), window->width(), window->height());
    if (resizable)
        wanted.setSize(QSizeF(read(SettingsKeys::PlacementWidthSuffix, window->width()),
            read(SettingsKeys::PlacementHeightSuffix, window->height())));
    // Damaged or foreign values never reach the window, nor come back when
    // its placement is saved again.
    const QRect fitted = fitRestoredRect(wanted, restoreAreas(window), minimumOf(window));
    window->move(fitted.topLeft());
    if (resizable)
        window->resize(fitted.size());
    return true;
}

QRect GetSettingRect(const RectSettingKeys &keys, const QWidget *window)
{
    const double dpi = logicalDpi(window);
    const QRectF wanted(readPixels(keys.left, dpi), readPixels(keys.top, dpi),
        readPixels(keys.width, dpi), readPixels(keys.height, dpi));
    return fitRestoredRect(wanted, restoreAreas(window), minimumOf(window));
}

void SaveSettingRect(const RectSettingKeys &keys, const QRect &rect, const QWidget *window)
{
    const double dpi = logicalDpi(window);
    savePixels(keys.left, rect.x(), dpi);
    savePixels(keys.top, rect.y(), dpi);
    savePixels(keys.width, rect.width(), dpi);
    savePixels(keys.height, rect.height(), dpi);
}
