#include "app/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double FallbackDpi = 96.0;
}

double logicalDpi(const QWidget *widget)
{
    const QScreen *screen = widget ? widget->screen() : nullptr;
    if (!screen && qGuiApp)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return FallbackDpi;
    const double dpi = screen->logicalDotsPerInch();
    return dpi > 0.0 ? dpi : FallbackDpi;
}

int twipsToPixels(double twips, double dpi)
{
    if (!std::isfinite(twips) || !(dpi > 0.0))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    // nearbyint rounds half to even in the default rounding mode.
    return static_cast<int>(
        std::clamp(std::nearbyint(twips * dpi / TwipsPerInch), lowest, highest));
}

int twipsToPixels(double twips, const QWidget *widget)
{
    return twipsToPixels(twips, logicalDpi(widget));
}

double pixelsToTwips(int pixels, double dpi)
{
    if (!(dpi > 0.0))
        return 0.0;
    return pixels * TwipsPerInch / dpi;
}

double pixelsToTwips(int pixels, const QWidget *widget)
{
    return pixelsToTwips(pixels, logicalDpi(widget));
}
