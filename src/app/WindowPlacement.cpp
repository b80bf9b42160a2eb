#include "app/WindowPlacement.h"

#include "app/Settings.h"
#include "app/Twips.h"

#include <QWidget>

namespace {

QString placementSection()
{
    return QString::fromLatin1(SettingsKeys::WindowPlacementsSection);
}

QString placementKey(const QString &name, const char *suffix)
{
    return name + QLatin1String(suffix);
}

// Reads one twips entry and converts it to pixels; a missing or unreadable
// entry gives fallbackPixels unchanged.
int readPixels(const QString &section, const QString &key, int fallbackPixels, double dpi)
{
    const float fallbackTwips = static_cast<float>(pixelsToTwips(fallbackPixels, dpi));
    const float twips = GetSettingFloat(section, key, fallbackTwips);
    return twips == fallbackTwips ? fallbackPixels : twipsToPixels(twips, dpi);
}

void savePixels(const QString &section, const QString &key, int pixels, double dpi)
{
    SaveSettingFloat(section, key, static_cast<float>(pixelsToTwips(pixels, dpi)));
}

// The key's default text is ours and always a number.
int defaultPixels(const SettingKey &key, double dpi)
{
    return twipsToPixels(QString::fromLatin1(key.defaultValue).toFloat(), dpi);
}

int readPixels(const SettingKey &key, int fallbackPixels, double dpi)
{
    return readPixels(
        QString::fromLatin1(key.section), QString::fromLatin1(key.key), fallbackPixels, dpi);
}

void savePixels(const SettingKey &key, int pixels, double dpi)
{
    savePixels(QString::fromLatin1(key.section), QString::fromLatin1(key.key), pixels, dpi);
}

} // namespace

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
    const int left = readPixels(
        section, placementKey(name, SettingsKeys::PlacementLeftSuffix), window->x(), dpi);
    const int top = readPixels(
        section, placementKey(name, SettingsKeys::PlacementTopSuffix), window->y(), dpi);
    window->move(left, top);
    if (resizable) {
        const int width = readPixels(
            section, placementKey(name, SettingsKeys::PlacementWidthSuffix), window->width(), dpi);
        const int height = readPixels(section,
            placementKey(name, SettingsKeys::PlacementHeightSuffix), window->height(), dpi);
        window->resize(width, height);
    }
    return true;
}

QRect GetSettingRect(const RectSettingKeys &keys, const QWidget *window)
{
    const double dpi = logicalDpi(window);
    const QRect fallback(defaultPixels(keys.left, dpi), defaultPixels(keys.top, dpi),
        defaultPixels(keys.width, dpi), defaultPixels(keys.height, dpi));
    return GetSettingRect(keys, window, fallback);
}

QRect GetSettingRect(const RectSettingKeys &keys, const QWidget *window, const QRect &fallback)
{
    const double dpi = logicalDpi(window);
    return QRect(readPixels(keys.left, fallback.x(), dpi), readPixels(keys.top, fallback.y(), dpi),
        readPixels(keys.width, fallback.width(), dpi),
        readPixels(keys.height, fallback.height(), dpi));
}

void SaveSettingRect(const RectSettingKeys &keys, const QRect &rect, const QWidget *window)
{
    const double dpi = logicalDpi(window);
    savePixels(keys.left, rect.x(), dpi);
    savePixels(keys.top, rect.y(), dpi);
    savePixels(keys.width, rect.width(), dpi);
    savePixels(keys.height, rect.height(), dpi);
}
